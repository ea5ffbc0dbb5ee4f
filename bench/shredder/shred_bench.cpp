// Shreds the files named on the command line with the pass count given
// first, and prints for each the seconds the overwriting and deletion took.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "bench_clock.h"
#include "shredder/shred_files_win32.h"
#include "shredder/wipe_file.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: shred_bench COUNT FILE...\n");
    return 2;
  }
  int count = _wtoi(argv[1]);
  teko::Win32ShredFiles files;
  for (int i = 2; i < argc; ++i) {
    double start = Seconds();
    teko::WipeResult result = teko::WipeFile(files, argv[i], count);
    double elapsed = Seconds() - start;
    if (result.outcome != teko::WipeOutcome::Deleted) {
      std::fprintf(stderr, "%ls: not shredded (outcome %d, error %u)\n", argv[i], static_cast<int>(result.outcome),
                   result.error);
      return 1;
    }
    std::printf("%.3f\n", elapsed);
  }
  return 0;
}
