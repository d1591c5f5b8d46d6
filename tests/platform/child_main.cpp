// Stand-in for a mailer: reads its input, reports its arguments, fails or hangs on request.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

int main(int argc, char** narrow_argv) {
  std::vector<std::string> args(narrow_argv, narrow_argv + argc);
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // The narrow arguments are in the ANSI code page; the wide ones are what was passed.
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  args.assign(argc, "");
  for (int i = 0; i < argc; ++i) {
    char buf[4096];
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, buf, sizeof buf, nullptr, nullptr);
    args[i].assign(buf, n > 0 ? n - 1 : 0);
  }
#endif
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "exit") return std::atoi(argv[2]);
  if (mode == "sleep") {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    return 0;
  }
  if (mode == "flood") {
    std::string line(1000, 'y');
    for (int i = 0; i < 100; ++i) std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
  }
  // echo: the size and checksum of the input, then each argument in brackets.
  std::size_t size = 0;
  unsigned long sum = 0;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) {
    size += n;
    for (std::size_t i = 0; i < n; ++i) sum = sum * 31 + static_cast<unsigned char>(buf[i]);
  }
  std::printf("%zu %lu\n", size, sum);
  for (int i = 2; i < argc; ++i) std::printf("[%s]\n", argv[i]);
  std::fflush(stdout);
  std::fputs("done\n", stderr);
  return 3;
}
