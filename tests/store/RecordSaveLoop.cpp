// Saves one record over and over, alternating between two contents (A first), until it is killed. The kill test
// starts it, kills it at a random moment and checks that the record on disk is always one content or the other.
// Usage: record_save_loop <program folder>
#include "store/RecordStore.h"
#include "tests/store/RecordSaveLoopContents.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_save_loop <program folder>\n");
        return 2;
    }
    store::RecordStore store(argv[1], argv[1]);
    const std::string contents[2] = {recordtest::loopChart('A'), recordtest::loopChart('B')};
    for (unsigned long i = 0;; ++i) {
        if (store.saveRecord(recordtest::kLoopGroup, recordtest::kLoopName, contents[i % 2], recordtest::kLoopRemark))
            return 1;
        std::fputc('.', stdout); // one mark per finished save: the test starts its clock at the first
        std::fflush(stdout);
    }
}
