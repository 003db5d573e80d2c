#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, files may grow to a few bytes only, as on a full disk.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 2048;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved {};
};
