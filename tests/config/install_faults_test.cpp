// Every step of writing a file failing in turn: nothing is lost, nothing half-written, nothing
// left behind, and the message says which file and why.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace quarvel;

namespace {

enum class Step { CreateTemp, Write, ShortWrite, Sync, Close, Chmod, Rename, Read };

// The real calls, except that one step fails on its n-th use.
class FailingIo final : public FileIo {
public:
    FailingIo(Step step, int occurrence) : step_(step), occurrence_(occurrence) {}

    int createTemp(std::string& name) override {
        return fails(Step::CreateTemp, EACCES) ? -1 : real().createTemp(name);
    }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        if (step_ == Step::ShortWrite) {
            // Half the bytes go out, then the disk is full.
            ++calls_;
            if (calls_ == occurrence_) {
                return real().write(fd, data, (size + 1) / 2);
            }
            if (calls_ == occurrence_ + 1) {
                errno = ENOSPC;
                return -1;
            }
        }
        return fails(Step::Write, EIO) ? -1 : real().write(fd, data, size);
    }
    int sync(int fd) override { return fails(Step::Sync, EIO) ? -1 : real().sync(fd); }
    int close(int fd) override {
        if (fails(Step::Close, EIO)) {
            real().close(fd);
            errno = EIO;
            return -1;
        }
        return real().close(fd);
    }
    int chmod(int fd, mode_t mode) override {
        return fails(Step::Chmod, EPERM) ? -1 : real().chmod(fd, mode);
    }
    int rename(const std::string& from, const std::string& to) override {
        return fails(Step::Rename, EXDEV) ? -1 : real().rename(from, to);
    }
    int remove(const std::string& path) override { return real().remove(path); }
    bool readFile(const std::string& path, std::string& content) override {
        return fails(Step::Read, EACCES) ? false : real().readFile(path, content);
    }

private:
    static FileIo& real() { return systemFileIo(); }
    bool fails(Step step, int error) {
        if (step != step_ || ++calls_ != occurrence_) {
            return false;
        }
        errno = error;
        return true;
    }

    Step step_;
    int occurrence_;
    int calls_ = 0;
};

} // namespace

TEST(InstallFaults, EveryFailingStepLeavesBothFilesWholeAndNoTemporaryFile) {
    const std::string script = buildScript(Engine().tweakLines());
    const std::string userAutoexec = "bind x jump\nname \"Player\"\n";
    const std::string updatedAutoexec =
        "bind x jump\r\nname \"Player\"\r\n\r\n\r\nexec quarvel.cfg\r\n";
    const std::string newScript = script + echoBanner() + "\r\n";
    int injected = 0;
    for (const Step step : {Step::CreateTemp, Step::Write, Step::ShortWrite, Step::Sync,
                            Step::Close, Step::Chmod, Step::Rename, Step::Read}) {
        // The first occurrence hits autoexec.cfg, the second quarvel.cfg.
        for (const int occurrence : {1, 2}) {
            TempFolder game;
            game.write("autoexec.cfg", userAutoexec);
            game.write("quarvel.cfg", "old script");
            FailingIo io(step, occurrence);
            const auto result = InstallTweaks(game.path(), script, io);
            const std::string autoexec = game.read("autoexec.cfg");
            const std::string written = game.read("quarvel.cfg");
            const bool failed = !result.installed;
            SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << " occurrence "
                                            << occurrence << ": " << result.message);
            EXPECT_TRUE(autoexec == userAutoexec || autoexec == updatedAutoexec);
            EXPECT_TRUE(written == "old script" || written == newScript);
            std::vector<std::string> names;
            for (const auto& entry : std::filesystem::directory_iterator(game.path())) {
                names.push_back(entry.path().filename().string());
            }
            EXPECT_EQ(names.size(), 2u);
            if (failed) {
                ++injected;
                EXPECT_EQ(written, "old script");
                EXPECT_TRUE(result.installedText.empty());
                const bool namesAFile =
                    result.message.find("autoexec.cfg\": ") != std::string::npos ||
                    result.message.find("quarvel.cfg\": ") != std::string::npos;
                EXPECT_TRUE(namesAFile);
                EXPECT_EQ(result.message.find("installed"), std::string::npos);
            } else {
                EXPECT_EQ(written, newScript); // the step was never reached a second time
            }
        }
    }
    EXPECT_GE(injected, 14);
}
