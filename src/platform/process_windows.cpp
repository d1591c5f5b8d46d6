#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "platform/process.h"
#include "platform/process_common.h"

namespace platform {

namespace {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string SystemMessage(DWORD code) {
  char* text = nullptr;
  ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = text ? text : "error " + std::to_string(code);
  if (text) ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }
  HANDLE get() const { return h_; }
  HANDLE* out() { return &h_; }
  void Close() {
    if (h_) ::CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

bool IsProgramFile(const std::filesystem::path& p) {
  const DWORD a = ::GetFileAttributesW(p.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// The name as given, then with each executable extension when it has none.
std::optional<std::filesystem::path> WithExtensions(const std::filesystem::path& base) {
  if (base.has_extension()) {
    if (IsProgramFile(base)) return base;
    return std::nullopt;
  }
  const char* pathext = std::getenv("PATHEXT");
  std::string_view exts = pathext && *pathext ? pathext : ".COM;.EXE;.BAT;.CMD";
  return internal::SearchList(exts, ';',
                              [&](std::string_view ext) -> std::optional<std::filesystem::path> {
                                std::filesystem::path candidate = base;
                                candidate += Wide(ext);
                                if (ext.size() > 1 && IsProgramFile(candidate)) return candidate;
                                return std::nullopt;
                              });
}

// Quotes one argument so that the C runtime's command-line parser gives it back unchanged.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  for (std::size_t i = 0;; ++i) {
    std::size_t backslashes = 0;
    while (i < arg.size() && arg[i] == L'\\') {
      ++i;
      ++backslashes;
    }
    if (i == arg.size()) {
      line.append(backslashes * 2, L'\\');
      break;
    }
    if (arg[i] == L'"')
      line.append(backslashes * 2 + 1, L'\\');
    else
      line.append(backslashes, L'\\');
    line += arg[i];
  }
  line += L'"';
}

}  // namespace

std::optional<std::filesystem::path> FindProgram(const std::string& program) {
  if (program.empty()) return std::nullopt;
  const std::filesystem::path named(Wide(program));
  if (program.find_first_of("/\\:") != std::string::npos) return WithExtensions(named);
  const char* path_env = std::getenv("PATH");
  std::string_view dirs = path_env ? path_env : "";
  return internal::SearchList(dirs, ';',
                              [&](std::string_view dir) -> std::optional<std::filesystem::path> {
                                if (dir.empty()) return std::nullopt;
                                return WithExtensions(std::filesystem::path(Wide(dir)) / named);
                              });
}

ProcessRun RunProcess(const std::vector<std::string>& argv, std::string_view input,
                      std::chrono::milliseconds timeout) {
  ProcessRun run;
  const std::optional<std::filesystem::path> program = internal::ProgramToRun(argv, run);
  if (!program) return run;

  // Only the child's ends are inheritable, and only they are handed over.
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Handle in_read, in_write, out_read, out_write;
  if (!::CreatePipe(in_read.out(), in_write.out(), &inherit, 0) ||
      !::CreatePipe(out_read.out(), out_write.out(), &inherit, 0)) {
    run.error = SystemMessage(::GetLastError());
    return run;
  }
  ::SetHandleInformation(in_write.get(), HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(out_read.get(), HANDLE_FLAG_INHERIT, 0);

  std::wstring line;
  for (const std::string& a : argv) {
    if (!line.empty()) line += L' ';
    AppendQuoted(line, Wide(a));
  }

  HANDLE inherited[2] = {in_read.get(), out_write.get()};
  SIZE_T list_size = 0;
  ::InitializeProcThreadAttributeList(nullptr, 1, 0, &list_size);
  std::vector<char> list_buf(list_size);
  auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list_buf.data());
  const bool have_list = ::InitializeProcThreadAttributeList(list, 1, 0, &list_size) &&
                         ::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                                     inherited, sizeof inherited, nullptr, nullptr);
  STARTUPINFOEXW si{};
  si.StartupInfo.cb = sizeof si;
  si.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  si.StartupInfo.hStdInput = in_read.get();
  si.StartupInfo.hStdOutput = out_write.get();
  si.StartupInfo.hStdError = out_write.get();
  si.lpAttributeList = have_list ? list : nullptr;

  // A job holds the program and whatever it starts, so a time-out stops them all.
  Handle job(::CreateJobObjectW(nullptr, nullptr));
  if (job.get()) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  PROCESS_INFORMATION pi{};
  const DWORD flags = CREATE_SUSPENDED | CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT |
                      (have_list ? EXTENDED_STARTUPINFO_PRESENT : 0);
  const BOOL created = ::CreateProcessW(program->c_str(), line.data(), nullptr, nullptr, TRUE,
                                        flags, nullptr, nullptr, &si.StartupInfo, &pi);
  const DWORD create_error = ::GetLastError();
  if (have_list) ::DeleteProcThreadAttributeList(list);
  if (!created) {
    run.error = SystemMessage(create_error);
    return run;
  }
  Handle process(pi.hProcess), thread(pi.hThread);
  if (job.get() && !::AssignProcessToJobObject(job.get(), process.get())) job.Close();
  ::ResumeThread(thread.get());
  run.started = true;
  in_read.Close();
  out_write.Close();

  std::thread writer([&] {
    std::size_t written = 0;
    while (written < input.size()) {
      DWORD put = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(input.size() - written, 65536));
      // A program that stops reading makes this fail; its exit status tells why.
      if (!::WriteFile(in_write.get(), input.data() + written, chunk, &put, nullptr)) break;
      written += put;
    }
    in_write.Close();
  });
  std::thread reader([&] {
    char buf[4096];
    DWORD got = 0;
    while (::ReadFile(out_read.get(), buf, sizeof buf, &got, nullptr) && got > 0)
      internal::KeepOutput(run, buf, got);
  });

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const DWORD wait_ms = static_cast<DWORD>(std::max<long long>(0, timeout.count()));
  if (::WaitForSingleObject(process.get(), wait_ms) == WAIT_TIMEOUT) {
    run.timed_out = true;
  } else {
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    run.exit_status = static_cast<int>(code);
  }
  // Helpers it left behind may keep the pipes open: they get a moment, then the time limit.
  if (!run.timed_out) {
    const auto grace =
        std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(200));
    while (std::chrono::steady_clock::now() < grace) {
      DWORD available = 0;
      if (!::PeekNamedPipe(out_read.get(), nullptr, 0, nullptr, &available, nullptr)) break;
      ::Sleep(10);
    }
  }
  if (job.get())
    ::TerminateJobObject(job.get(), 1);
  else if (run.timed_out)
    ::TerminateProcess(process.get(), 1);
  if (run.timed_out) ::WaitForSingleObject(process.get(), INFINITE);
  writer.join();
  reader.join();
  return run;
}

}  // namespace platform
