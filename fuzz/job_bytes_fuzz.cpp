#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nerilo::fuzz::checkJobBytes(data, size);
    return 0;
}
