#include "runtime/program.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include "runtime/messages.h"

namespace qinglan::runtime {
namespace {

std::string ReadAll(const Text& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(WriteBytesToFile, CreatesAndReplacesAFileWithAChineseName) {
    const Text path = RunDirectory() + "\\开奖数据_test.txt";
    ASSERT_TRUE(WriteBytesToFile(path, ByteArray{'a', 'b', '\t', 0xD6, 0xD0}));
    EXPECT_EQ(ReadAll(path), "ab\t\xD6\xD0");
    ASSERT_TRUE(WriteBytesToFile(path, ByteArray{}));
    EXPECT_EQ(ReadAll(path), "");
    DeleteFileA(path.c_str());
    EXPECT_FALSE(WriteBytesToFile(RunDirectory() + "\\no such folder\\x.txt", ByteArray{'x'}));
}

TEST(RunDirectory, IsTheProgramsFolderWithoutTrailingSeparator) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const Text directory = RunDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_EQ(Text(module).rfind(directory + "\\", 0), 0u);
}

std::atomic<int> exitRuns{0};
void CountExit() { ++exitRuns; }

TEST(ExitRoutine, RunsOnce) {
    RegisterExitRoutine(CountExit);
    RunExitRoutine();
    RunExitRoutine();
    EXPECT_EQ(exitRuns.load(), 1);
}

std::atomic<DWORD> workerThread{0};
void NoteThread() { workerThread = GetCurrentThreadId(); }

TEST(StartWorkerThread, RunsTheBodyOnAnotherThread) {
    ASSERT_TRUE(StartWorkerThread(NoteThread));
    for (int i = 0; i < 200 && workerThread == 0; ++i) Sleep(10);
    EXPECT_NE(workerThread.load(), 0u);
    EXPECT_NE(workerThread.load(), GetCurrentThreadId());
}

}  // namespace
}  // namespace qinglan::runtime
