// What opening and saving do with what the file system holds under the chosen name:
// FIFOs, devices and sockets are refused at once, links lead to the file they name,
// a replaced file keeps its mode and owner, a failed or killed save leaves no
// temporary file; and files that are no project are refused before anything changes.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "project/file_system.h"
#include "project/file_test_support.h"
#include "project/project_fixture.h"

namespace {

using namespace file_test;

using plat::MsgResult;


enum class Command { Open, SaveAs, OverwriteSave };

struct StatOf {
    struct stat st {};
    bool ok;
    explicit StatOf(const std::string& path, bool follow = true)
        : ok((follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) == 0) {}
};

class FileSystem : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        makeProject();
        project_ = path("project.ywd");
        saveAs(prog, svc, project_);
        svc.clear();
    }

    // The project on screen, as the file it would write.
    std::string current() { return project::encode(project::collect(prog)); }

    // Nothing of the open project changed.
    void expectProjectUntouched() {
        EXPECT_EQ(prog.projectPath, project_);
        EXPECT_EQ(prog.form<Form3>().caption(), project_);
        EXPECT_EQ(prog.form<Form3>().txt1.text(), " 東京都 港区∴O.K ");
        EXPECT_EQ(prog.form<Form7>().lbl4.caption(), "O.K");
        EXPECT_EQ(prog.currentScreen, 3);
    }

    // No temporary file of a save is left in the folder.
    void expectNoTemporaryFile() {
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            EXPECT_NE(entry.path().filename().string().rfind(project::kTemporaryPrefix, 0), 0u) << entry.path();
    }

    void makeSocket(const std::string& file) {
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(file.size(), sizeof address.sun_path);
        file.copy(address.sun_path, file.size());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        sockets_.push_back(fd);
    }
    void TearDown() override {
        for (int fd : sockets_) ::close(fd);
        ProjectFixture::TearDown();
    }

    std::string project_;
    std::vector<int> sockets_;
};

struct Row {
    const char* name;
    Command command;
    // Makes what lies under the chosen name and returns that name.
    std::function<std::string()> prepare;
    std::vector<std::string> messages;
    std::function<void(const std::string& chosen)> check;
};

TEST_F(FileSystem, Table) {
    const std::string before = bytesOf(project_);
    auto fifo = [this](const char* name) {
        const std::string file = path(name);
        EXPECT_EQ(::mkfifo(file.c_str(), 0644), 0);
        return file;
    };
    auto stillA = [](mode_t type) {
        return [type](const std::string& chosen) {
            StatOf s(chosen, false);
            EXPECT_TRUE(s.ok && (s.st.st_mode & S_IFMT) == type);
        };
    };
    auto untouched = [this](const std::string&) { expectProjectUntouched(); };
    auto texts = [this] { return linesOf(project_); };

    const std::vector<Row> rows = {
        {"FIFO opened", Command::Open, [&] { return fifo("pipe.ywd"); }, {kCannotOpen},
         [&](const std::string& chosen) {
             untouched(chosen);
             stillA(S_IFIFO)(chosen);
         }},
        {"FIFO saved over", Command::SaveAs, [&] { return fifo("pipe2.ywd"); }, {kReplaceQuestion, kCannotSave},
         [&](const std::string& chosen) {
             stillA(S_IFIFO)(chosen);
             EXPECT_EQ(prog.projectPath, project_) << "the file not written is not the project's";
             expectNoTemporaryFile();
         }},
        {"character device opened", Command::Open, [] { return std::string("/dev/zero"); }, {kCannotOpen}, untouched},
        {"socket opened", Command::Open,
         [&] {
             makeSocket(path("s1"));
             return path("s1");
         },
         {kCannotOpen}, untouched},
        {"socket saved over", Command::SaveAs,
         [&] {
             makeSocket(path("s2.ywd"));
             return path("s2.ywd");
         },
         {kReplaceQuestion, kCannotSave}, stillA(S_IFSOCK)},
        {"folder opened", Command::Open,
         [&] {
             std::filesystem::create_directory(path("folder.ywd"));
             return path("folder.ywd");
         },
         {kCannotOpen}, untouched},
        {"symbolic link saved through: the file it names is replaced", Command::SaveAs,
         [&] {
             writeBytes(path("real.ywd"), "old");
             std::filesystem::create_symlink("real.ywd", path("link.ywd"));
             return path("link.ywd");
         },
         {kReplaceQuestion},
         [&](const std::string& chosen) {
             EXPECT_TRUE(std::filesystem::is_symlink(chosen));
             EXPECT_EQ(bytesOf(path("real.ywd")), current());
             EXPECT_EQ(prog.projectPath, chosen);
             expectNoTemporaryFile();
         }},
        {"symbolic link to a file not yet there", Command::SaveAs,
         [&] {
             std::filesystem::create_symlink("new.ywd", path("ahead.ywd"));
             return path("ahead.ywd");
         },
         {},
         [&](const std::string& chosen) {
             EXPECT_TRUE(std::filesystem::is_symlink(chosen));
             EXPECT_EQ(bytesOf(path("new.ywd")), current());
         }},
        {"symbolic link opened", Command::Open,
         [&] {
             std::filesystem::create_symlink(project_, path("to-project.ywd"));
             return path("to-project.ywd");
         },
         {},
         [&](const std::string& chosen) {
             EXPECT_EQ(prog.projectPath, chosen);
             EXPECT_EQ(current(), before);
         }},
        {"0600 file of another owner keeps mode and owner", Command::OverwriteSave,
         [&] {
             ::chmod(project_.c_str(), 0600);
             if (::geteuid() == 0) {
                 EXPECT_EQ(::chown(project_.c_str(), 4321, 4322), 0);
             }
             prog.form<Form3>().txt1.setText("changed");
             return project_;
         },
         {kOverwriteQuestion},
         [&](const std::string& chosen) {
             StatOf s(chosen);
             EXPECT_EQ(s.st.st_mode & 07777, 0600u);
             if (::geteuid() == 0) {
                 EXPECT_EQ(s.st.st_uid, 4321u);
                 EXPECT_EQ(s.st.st_gid, 4322u);
             }
             EXPECT_EQ(linesOf(chosen)[2], "changed");
         }},
        {"files named like temporary ones are someone else's and stay", Command::OverwriteSave,
         [&] {
             writeBytes(project_ + ".~tmp", "not mine");
             writeBytes(path(std::string(project::kTemporaryPrefix) + "abc"), "nor this");
             prog.form<Form3>().txt1.setText("saved beside them");
             return project_;
         },
         {kOverwriteQuestion},
         [&](const std::string& chosen) {
             EXPECT_EQ(bytesOf(chosen + ".~tmp"), "not mine");
             EXPECT_EQ(bytesOf(path(std::string(project::kTemporaryPrefix) + "abc")), "nor this");
             EXPECT_EQ(linesOf(chosen)[2], "saved beside them");
             std::filesystem::remove(chosen + ".~tmp");
             std::filesystem::remove(path(std::string(project::kTemporaryPrefix) + "abc"));
         }},
        {"option line of garbage", Command::Open,
         [&] {
             std::vector<std::string> t = texts();
             t[54] = "はい";  // Form4.opt5
             return craft(t, "garbage-option.ywd");
         },
         {kNotAProject}, untouched},
        {"check line of garbage", Command::Open,
         [&] {
             std::vector<std::string> t = texts();
             t[106] = "checked";  // Form21.chk1
             return craft(t, "garbage-check.ywd");
         },
         {kNotAProject}, untouched},
        {"217 lines of random bytes", Command::Open,
         [&] {
             std::string bytes;
             unsigned seed = 12345;
             for (int line = 0; line < 217; ++line) {
                 for (int i = 0; i < 12; ++i) {
                     seed = seed * 1103515245 + 12345;
                     char c = static_cast<char>((seed >> 16) & 0xff);
                     bytes += (c == '\0' || c == '\n' || c == '\r') ? 'x' : c;
                 }
                 bytes += "\r\n";
             }
             writeBytes(path("random.ywd"), bytes);
             return path("random.ywd");
         },
         {kNotAProject}, untouched},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        svc.clear();
        const std::string chosen = row.prepare();
        svc.fileAnswers.push_back(chosen);
        switch (row.command) {
            case Command::Open: main->FileOpen(); break;
            case Command::SaveAs:
                svc.answers.push_back(MsgResult::Yes);
                main->Men_FSav_Click();
                break;
            case Command::OverwriteSave:
                svc.fileAnswers.clear();
                svc.answers.push_back(MsgResult::OK);
                main->FileUpdate();
                break;
        }
        EXPECT_EQ(svc.messageTexts(), row.messages);
        row.check(chosen);
        // Back to the project of SetUp for the next row.
        prog.projectPath = project_;
        prog.form<Form3>().setCaption(project_);
        prog.form<Form3>().txt1.setText(" 東京都 港区∴O.K ");
        if (prog.currentScreen != 3) {
            svc.fileAnswers.push_back(project_);
            main->FileOpen();
            prog.form<Form7>().show();
        }
    }
}

// Never more than the limit is taken: a file of the limit's size is read whole, one
// byte more is too large.
TEST_F(FileSystem, ReadingStopsAtTheLimit) {
    writeBytes(path("ten.ywd"), "0123456789");
    const project::FileBytes whole = project::readRegularFile(path("ten.ywd"), 10);
    EXPECT_EQ(whole.status, project::ReadStatus::Ok);
    EXPECT_EQ(whole.bytes, "0123456789");
    EXPECT_EQ(project::readRegularFile(path("ten.ywd"), 9).status, project::ReadStatus::TooLarge);
    EXPECT_EQ(project::readRegularFile(path("none.ywd"), 10).status, project::ReadStatus::Unreadable);
    EXPECT_EQ(project::readRegularFile("/dev/zero", 10).status, project::ReadStatus::Unreadable);
}

// A write that stops part-way (the disk full) leaves the good file and no temporary file.
TEST_F(FileSystem, WriteThatFailsPartWay) {
    const std::string good = bytesOf(project_);
    prog.form<Form3>().txt1.setText("changed");
    bool written = true;
    {
        DiskFillsAt full(100);
        written = project::replaceFile(project_, current());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(bytesOf(project_), good);
    expectNoTemporaryFile();
}

// Dimensions no wall can have: nothing is computed from them, what the file says was
// computed is empty, never the file's numbers, and the first refused box is named.
TEST_F(FileSystem, ImpossibleDimensionsOpenWithTheFirstRefusedBoxNamed) {
    std::vector<std::string> texts = linesOf(project_);
    for (int n = 31; n <= 50; ++n) texts[n - 1] = "0";  // Form4.txt3 to txt23
    Fresh run;
    open(run.prog, run.svc, craft(texts, "impossible.ywd"));
    EXPECT_EQ(run.svc.messageTexts(), std::vector<std::string>{"寸法H1は0.01以上1000m以下で入力してください。"});
    EXPECT_EQ(run.prog.projectPath, path("impossible.ywd"));
    Form4& d = run.prog.form<Form4>();
    for (plat::Label* cell : {&d.lbl53, &d.lbl57, &d.lbl65}) EXPECT_EQ(cell->caption(), "") << cell->name();
    Form7& s = run.prog.form<Form7>();
    for (plat::Label* cell : {&s.lbl_ra, &s.lbl_rb, &s.lbl_re, &s.lbl1, &s.lbl4, &s.lbl17, &s.lbl20})
        EXPECT_EQ(cell->caption(), "") << cell->name();
}

}  // namespace
