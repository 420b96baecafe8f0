// What the project-file tests share: the file commands' messages, and a disk that fills.
#pragma once
#include <sys/resource.h>

#include <csignal>

namespace file_test {

inline constexpr const char* kCannotOpen = "ファイルを開けませんでした。";
inline constexpr const char* kNotAProject = "ミラノスのデータファイルではありません。";
inline constexpr const char* kCannotSave = "ファイルを保存できませんでした。";
inline constexpr const char* kReplaceQuestion = "同名ファイルがあります。上書き保存しますか？";
inline constexpr const char* kOverwriteQuestion = "上書き保存してもよろしいですか？";
inline constexpr const char* kReadOnly = "読み取り専用のファイルには保存できません。";

// While it lives, a file grows to `bytes` at the most: a longer write fails part-way, as
// on a full disk (the signal that would end the process is ignored meanwhile).
class DiskFillsAt {
public:
    explicit DiskFillsAt(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFillsAt() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    DiskFillsAt(const DiskFillsAt&) = delete;
    DiskFillsAt& operator=(const DiskFillsAt&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace file_test
