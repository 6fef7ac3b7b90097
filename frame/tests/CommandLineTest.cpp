#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "frame/CommandLine.h"

namespace frame {
namespace {

struct Answer {
    std::optional<int> exit;
    std::string out, err;
};

Answer Ask(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    std::ostringstream out, err;
    const ProgramInfo info{"abacor", "abacor.INI", "abacor, the bead trainer."};
    const auto exit = AnswerCommandLine(info, argv, out, err);
    return {exit, out.str(), err.str()};
}

TEST(CommandLine, NoArgumentsStartTheProgram) {
    const Answer a = Ask({"abacor"});
    EXPECT_FALSE(a.exit);
    EXPECT_EQ(a.out + a.err, "");
}

TEST(CommandLine, VersionIsOneLine) {
    const Answer a = Ask({"abacor", "--version"});
    EXPECT_EQ(a.exit, 0);
    EXPECT_EQ(a.out, "abacor " + std::string(Version()) + "\n");
    EXPECT_EQ(a.err, "");
}

TEST(CommandLine, HelpIsAShortParagraphOnStandardOutput) {
    const Answer a = Ask({"abacor", "--help"});
    EXPECT_EQ(a.exit, 0);
    EXPECT_EQ(a.out.rfind("Usage: abacor [--version | --help]\n", 0), 0u);
    EXPECT_NE(a.out.find("abacor, the bead trainer."), std::string::npos);
    EXPECT_EQ(a.err, "");
}

TEST(CommandLine, AnythingElseIsOneLineOfUsageAndTwo) {
    for (const auto& words :
         std::vector<std::vector<std::string>>{{"abacor", "-v"},
                                               {"abacor", "file.txt"},
                                               {"abacor", "--version", "--help"},
                                               {"abacor", ""}}) {
        const Answer a = Ask(words);
        EXPECT_EQ(a.exit, 2) << words[1];
        EXPECT_EQ(a.out, "");
        EXPECT_EQ(a.err, "usage: abacor [--version | --help]\n");
    }
}

}  // namespace
}  // namespace frame
