// The DWG library is GPL and runs as its own program: nothing of it is linked into the
// host. A reader that hangs is killed at its time limit; whatever it says on its error
// output becomes the reason the user sees.
#include "dxf/dwg_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "dxf/dxf_error.h"

extern char** environ;

namespace zrx::dxf {
namespace {

std::string setting(const char* variable, const char* fallback)
{
    const char* v = std::getenv(variable);
    return v != nullptr && *v != '\0' ? v : fallback;
}

int timeLimitSeconds()
{
    int seconds = std::atoi(setting("TREVAN_DWG_TIMEOUT", "60").c_str());
    return seconds > 0 ? seconds : 60;
}

// The reader's first error line, or what the exit says when it printed none.
std::string reasonOf(std::string err, int status)
{
    while (!err.empty() && (err.back() == '\n' || err.back() == '\r')) err.pop_back();
    if (size_t nl = err.rfind('\n'); nl != std::string::npos) err = err.substr(nl + 1);
    if (!err.empty()) return err;
    if (WIFSIGNALED(status)) return "the DWG reader stopped with signal " + std::to_string(WTERMSIG(status));
    return "the DWG reader failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
}

}  // namespace

bool isDwg(std::string_view start)
{
    return start.size() >= 6 && start.substr(0, 4) == "AC10" && start[4] >= '0' && start[4] <= '9' &&
           start[5] >= '0' && start[5] <= '9';
}

DwgConversion::DwgConversion(const std::string& dwgPath)
{
    auto fail = [&](const std::string& why) { throw DxfError(Zcad::eFilerError, dwgPath, 0, "cannot read this DWG: " + why); };
    const std::string node = setting("TREVAN_NODE", "node");
    const std::string script = setting("TREVAN_DWG_SCRIPT", TREVAN_DWG_SCRIPT);
    const std::string package = setting("TREVAN_DWG_PACKAGE", TREVAN_DWG_PACKAGE);
    std::error_code ec;
    if (!std::filesystem::exists(script, ec) || !std::filesystem::exists(package, ec)) {
        fail("the DWG reader is not installed (" + package + "); run scripts/setup-deps");
    }
    std::string temp = (std::filesystem::temp_directory_path(ec) / "trevan-dwg-XXXXXX.dxf").string();
    int fd = mkstemps(temp.data(), 4);
    if (fd < 0) fail(std::string("no temporary file: ") + std::strerror(errno));
    close(fd);
    m_dxf = temp;

    int errPipe[2];
    if (pipe2(errPipe, O_CLOEXEC) != 0) fail(std::string("no pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    // Liftoff only: node otherwise waits at exit for its optimising compiler to finish the
    // library, which takes many times longer than reading a drawing.
    std::string liftoff = "--liftoff-only";
    std::vector<char*> argv = {const_cast<char*>(node.c_str()), liftoff.data(), const_cast<char*>(script.c_str()),
                               const_cast<char*>(package.c_str()), const_cast<char*>(dwgPath.c_str()), temp.data(),
                               nullptr};
    pid_t pid = 0;
    int spawned = posix_spawnp(&pid, node.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(errPipe[1]);
    if (spawned != 0) {
        close(errPipe[0]);
        std::remove(m_dxf.c_str());
        fail("cannot start " + node + ": " + std::strerror(spawned) + "; run scripts/setup-deps");
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimitSeconds());
    std::string err;
    bool timedOut = false;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{errPipe[0], POLLIN, 0};
        int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) continue;
        char buf[512];
        ssize_t n = read(errPipe[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the reader closed its error output: it has ended
        if (err.size() < 4096) err.append(buf, static_cast<size_t>(n));
    }
    close(errPipe[0]);
    if (timedOut) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut) {
        std::remove(m_dxf.c_str());
        fail("the DWG reader did not finish within " + std::to_string(timeLimitSeconds()) + " s");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::remove(m_dxf.c_str());
        fail(reasonOf(err, status));
    }
}

DwgConversion::~DwgConversion() { std::remove(m_dxf.c_str()); }

}  // namespace zrx::dxf
