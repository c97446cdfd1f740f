// Start-up and memory: runs the Pelomar variant and the bare window in turn,
// each until its first painted frame, and reports the medians, the peak
// resident memory and the ratio of Pelomar to the baseline.
//   bench_startup PELOMAR_VARIANT BARE_VARIANT RUNS
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run {
    double startMs;
    double rssMiB;
};

bool runOnce(const char* program, Run& out)
{
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFd[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFd[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long t0 = nowNs();
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFd[1]);
    if (rc != 0) {
        close(pipeFd[0]);
        return false;
    }
    std::string text;
    char buf[256];
    ssize_t n = 0;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    out.startMs = static_cast<double>(std::atoll(text.c_str()) - t0) / 1e6;
    out.rssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_startup PELOMAR_VARIANT BARE_VARIANT RUNS\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[3]));
    std::vector<double> pStart, pRss, bStart, bRss;
    // Interleaved, so that both see the same machine.
    for (int i = 0; i < runs + 1; ++i) {
        Run p{}, b{};
        if (!runOnce(argv[1], p) || !runOnce(argv[2], b)) {
            std::fprintf(stderr, "bench_startup: a run failed\n");
            return 1;
        }
        if (i == 0)
            continue;  // warm-up: caches, font configuration
        pStart.push_back(p.startMs);
        pRss.push_back(p.rssMiB);
        bStart.push_back(b.startMs);
        bRss.push_back(b.rssMiB);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const double ps = median(pStart), bs = median(bStart), pr = median(pRss), br = median(bRss);
    std::printf("start-up to first frame (%s, median of %d): Pelomar %.1f ms, bare window %.1f ms, ratio %.2f\n",
                platform ? platform : "default", runs, ps, bs, ps / bs);
    std::printf("peak resident memory (%s): Pelomar %.1f MiB, bare window %.1f MiB, difference %+.1f MiB\n",
                platform ? platform : "default", pr, br, pr - br);
    return 0;
}
