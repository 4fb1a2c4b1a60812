#include "app/qt/font_substitutes.h"

#include <QFont>

namespace orca {

void InstallFontSubstitutes() {
    for (const char* mono : {"MS ゴシック", "ＭＳ ゴシック", "MS Gothic"}) {
        QFont::insertSubstitution(QString::fromUtf8(mono), "IPAGothic");
    }
    for (const char* proportional : {"MS Pゴシック", "ＭＳ Ｐゴシック", "MS PGothic"}) {
        QFont::insertSubstitution(QString::fromUtf8(proportional), "IPAPGothic");
    }
}

}  // namespace orca
