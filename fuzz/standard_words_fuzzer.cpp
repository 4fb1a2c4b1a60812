#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, unsigned long size) {
    orca::fuzz::StandardWords(data, size);
    return 0;
}
