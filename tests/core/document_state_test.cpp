#include "document/document_state.h"

#include <gtest/gtest.h>

#include "app/app_identity.h"

namespace orca {
namespace {

TEST(DocumentState, BeforeAnyFileTheCaptionIsTheProgramsAndASaveWritesCp932) {
    const DocumentState doc;
    EXPECT_EQ(doc.caption(), kMainCaption);
    EXPECT_FALSE(doc.hasPath());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.encoding().encoding, TextEncoding::Cp932);
    EXPECT_FALSE(doc.encoding().utf8Repaired);
}

TEST(DocumentState, OpeningTakesPathEncodingAndTheRoutesCaption) {
    DocumentState doc;
    doc.setModified(true);
    doc.opened("/p/a.nc", {TextEncoding::Utf8, true}, CaptionStyle::Bracketed);
    EXPECT_EQ(doc.path(), "/p/a.nc");
    EXPECT_TRUE(doc.hasPath());
    EXPECT_EQ(doc.encoding().encoding, TextEncoding::Utf8);
    EXPECT_TRUE(doc.encoding().utf8Repaired);
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.caption(), CaptionBracketed("/p/a.nc"));

    // The next file replaces all of it: nothing of the first one's encoding
    // may decide how the second is written.
    doc.opened("/p/b.nc", {TextEncoding::Cp932, false}, CaptionStyle::Spaced);
    EXPECT_EQ(doc.path(), "/p/b.nc");
    EXPECT_EQ(doc.encoding().encoding, TextEncoding::Cp932);
    EXPECT_FALSE(doc.encoding().utf8Repaired);
    EXPECT_EQ(doc.caption(), CaptionSpaced("/p/b.nc"));
}

TEST(DocumentState, SaveAsNamesTheFileInBracketsAndKeepsTheEncoding) {
    DocumentState doc;
    doc.opened("/p/a.nc", {TextEncoding::Utf8Bom, true}, CaptionStyle::Spaced);
    doc.setModified(true);
    doc.named("/q/b.nc");
    doc.savedAs();
    EXPECT_EQ(doc.path(), "/q/b.nc");
    EXPECT_EQ(doc.caption(), CaptionBracketed("/q/b.nc"));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.encoding().encoding, TextEncoding::Utf8Bom);
    EXPECT_TRUE(doc.encoding().utf8Repaired);
}

TEST(DocumentState, SaveAsOfANewDocumentGivesItAPath) {
    DocumentState doc;
    doc.setModified(true);
    doc.named("/q/new.nc");
    doc.savedAs();
    EXPECT_TRUE(doc.hasPath());
    EXPECT_EQ(doc.caption(), CaptionBracketed("/q/new.nc"));
    EXPECT_EQ(doc.encoding().encoding, TextEncoding::Cp932);
}

// Save As takes its name before it writes; when the write fails the next
// save goes there, but the caption names the file the text came from (or
// the program, for a new document) until a Save As succeeds, and an
// overwrite save does not rename it.
TEST(DocumentState, AFailedSaveAsMovesThePathButNotTheCaption) {
    DocumentState doc;
    doc.named("/full/x.nc");
    EXPECT_EQ(doc.path(), "/full/x.nc");
    EXPECT_TRUE(doc.hasPath());
    EXPECT_EQ(doc.caption(), kMainCaption);

    doc.opened("/p/a.nc", {}, CaptionStyle::Spaced);
    doc.setModified(true);
    doc.named("/full/y.nc");
    EXPECT_EQ(doc.path(), "/full/y.nc");
    EXPECT_EQ(doc.caption(), CaptionSpaced("/p/a.nc"));
    EXPECT_TRUE(doc.modified());

    doc.saved();
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.path(), "/full/y.nc");
    EXPECT_EQ(doc.caption(), CaptionSpaced("/p/a.nc"));
}

}  // namespace
}  // namespace orca
