#include "support/run.h"

#include "support/fixture.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace run {

std::string text(const std::string& newlineText) {
    std::string result;
    for (char c : newlineText) {
        if (c == '\n') {
            result += kLineEnd;
        } else {
            result += c;
        }
    }
    return result;
}

std::string hostPath(const std::string& path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        return "Z:" + path;
    }
#endif
    return path;
}

namespace {

#ifdef _WIN32

// Quotes one argument so that the C runtime's parser gives it back unchanged.
// The argument is in the ANSI code page: the second byte of a double-byte
// character (0x5C in Shift_JIS ソ, for one) is part of that character, never a
// backslash that the quoting rules would double.
std::string quoteArgument(const std::string& arg) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (size_t i = 0; i < arg.size(); ++i) {
        char c = arg[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < arg.size()) {
            quoted.append(backslashes, '\\');
            backslashes = 0;
            quoted += c;
            quoted += arg[++i];
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(2 * backslashes + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

HANDLE inheritableFile(const std::filesystem::path& path, bool forWriting) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    return CreateFileA(path.string().c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int64_t spawn(const std::vector<std::string>& argv, const std::filesystem::path& workDir,
              const std::filesystem::path& outPath, const std::filesystem::path* errPath) {
    std::string commandLine;
    for (const std::string& arg : argv) {
        commandLine += (commandLine.empty() ? "" : " ") + quoteArgument(arg);
    }
    HANDLE in = inheritableFile("NUL", false);
    HANDLE out = inheritableFile(outPath, true);
    HANDLE err = errPath != nullptr ? inheritableFile(*errPath, true) : out;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    int64_t status = -1;
    if (CreateProcessA(argv[0].c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       workDir.string().c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code)) {
            status = code;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    if (err != out) {
        CloseHandle(err);
    }
    return status;
}

#else

int64_t spawn(const std::vector<std::string>& argv, const std::filesystem::path& workDir,
              const std::filesystem::path& outPath, const std::filesystem::path* errPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (errPath != nullptr) {
        posix_spawn_file_actions_addopen(&actions, 2, errPath->c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    } else {
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());

    std::vector<char*> pointers;
    for (const std::string& arg : argv) {
        pointers.push_back(const_cast<char*>(arg.c_str()));
    }
    pointers.push_back(nullptr);

    pid_t pid = 0;
    int64_t status = -1;
    if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ) == 0) {
        int waitStatus = 0;
        if (waitpid(pid, &waitStatus, 0) == pid && WIFEXITED(waitStatus)) {
            status = WEXITSTATUS(waitStatus);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

#endif

}  // namespace

Result kenrow(const std::vector<std::string>& args, const std::filesystem::path& workDir,
              Streams streams) {
    std::vector<std::string> argv{hostPath(KENROW_EXE)};
    argv.insert(argv.end(), args.begin(), args.end());

    // The captures live beside the work folder, so that they never show up
    // among the files a test inspects.
    std::filesystem::path outPath = workDir.string() + ".stdout";
    std::filesystem::path errPath = workDir.string() + ".stderr";
    Result result;
    bool separate = streams == Streams::kSeparate;
    result.status = spawn(argv, workDir, outPath, separate ? &errPath : nullptr);
    result.out = fixture::readFile(outPath);
    if (separate) {
        result.err = fixture::readFile(errPath);
    }
    return result;
}

}  // namespace run
