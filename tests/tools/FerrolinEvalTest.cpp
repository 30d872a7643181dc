// SPDX-License-Identifier: GPL-3.0-or-later
// ferrolin-eval seen from outside: arguments, standard input, output streams and exit codes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "evaluator/EvaluationError.h"
#include "evaluator/FunctionTable.h"

extern char** environ;

namespace {

struct Result {
    std::string out;
    std::string err;
    int status = -1;  // exit code, or -1 when the program did not exit normally
};

struct Invocation {
    Invocation(std::vector<std::string> arguments, std::string standardInput = {})
        : args(std::move(arguments)), input(std::move(standardInput)) {}
    std::vector<std::string> args;
    std::string input;
    std::map<std::string, std::string> env;  // added to, or replacing, the test's environment
    bool stdoutToDevFull = false;
    bool stderrToStdout = false;  // both streams on one pipe, as on a terminal
    enum class Input { Pipe, Folder, Closed } standardInput = Input::Pipe;
};

std::string EvalProgram() {
    const char* path = std::getenv("FERROLIN_EVAL");
    return path ? path : "";
}

// Runs the program with all three standard streams on pipes, feeding and draining them together
// so that neither side can block the other.
Result Spawn(const Invocation& call) {
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC) || pipe2(err, O_CLOEXEC)) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    switch (call.standardInput) {
        case Invocation::Input::Pipe: posix_spawn_file_actions_adddup2(&actions, in[0], 0); break;
        case Invocation::Input::Folder:
            posix_spawn_file_actions_addopen(&actions, 0, "/", O_RDONLY | O_DIRECTORY, 0);
            break;
        case Invocation::Input::Closed: posix_spawn_file_actions_addclose(&actions, 0); break;
    }
    if (call.stdoutToDevFull)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, call.stderrToStdout ? out[1] : err[1], 2);

    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        auto eq = entry.find('=');
        if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [k, v] : call.env) env[k] = v;
    std::vector<std::string> envStrings;
    for (const auto& [k, v] : env) envStrings.push_back(k + "=" + v);
    std::vector<char*> envp;
    for (auto& s : envStrings) envp.push_back(s.data());
    envp.push_back(nullptr);

    std::string program = EvalProgram();
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), call.args.begin(), call.args.end());
    std::vector<char*> argv;
    for (auto& s : argStrings) argv.push_back(s.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    Result run;
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << program << ": " << std::strerror(rc);
        close(in[1]);
        close(out[0]);
        close(err[0]);
        return run;
    }

    std::size_t written = 0;
    int writeFd = in[1];
    if (call.input.empty()) {
        close(writeFd);
        writeFd = -1;
    }
    bool outOpen = true, errOpen = true;
    while (outOpen || errOpen || writeFd >= 0) {
        pollfd fds[3];
        int n = 0;
        if (outOpen) fds[n++] = {out[0], POLLIN, 0};
        if (errOpen) fds[n++] = {err[0], POLLIN, 0};
        if (writeFd >= 0) fds[n++] = {writeFd, POLLOUT, 0};
        if (poll(fds, n, 20000) <= 0) {
            ADD_FAILURE() << "ferrolin-eval did not finish";
            kill(pid, SIGKILL);
            break;
        }
        for (int i = 0; i < n; ++i) {
            if (!fds[i].revents) continue;
            if (fds[i].fd == writeFd) {
                ssize_t w = write(writeFd, call.input.data() + written, call.input.size() - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 || written == call.input.size()) {
                    close(writeFd);
                    writeFd = -1;
                }
                continue;
            }
            char buf[4096];
            ssize_t r = read(fds[i].fd, buf, sizeof buf);
            std::string& sink = fds[i].fd == out[0] ? run.out : run.err;
            if (r > 0) {
                sink.append(buf, static_cast<std::size_t>(r));
            } else {
                (fds[i].fd == out[0] ? outOpen : errOpen) = false;
            }
        }
    }
    if (writeFd >= 0) close(writeFd);
    close(out[0]);
    close(err[0]);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return run;
}

struct Case {
    const char* name;
    Invocation call;
    std::string out;
    std::string err;
    int status;
};

std::string Box(const std::string& messageAsShown) { return messageAsShown + "\n"; }

class FerrolinEval : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(EvalProgram().empty()) << "FERROLIN_EVAL is not set"; }

    static void Check(const Case& c) {
        SCOPED_TRACE(c.name);
        Result run = Spawn(c.call);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.status, c.status);
    }
};

// The values and messages themselves are the evaluator's (ResultFormatTest, GrammarTest); here,
// what the tool adds: its options, lines of one argument, the terminal's line breaks, going on.
TEST_F(FerrolinEval, EvaluatesArgumentsLikeTheWindow) {
    const std::string notUtf8 = Box(std::string(ferrolin::kInvalidText) + ".");
    const Case cases[] = {
        {"sum", {{"2+3"}}, "2+3= 5.00\n", "", 0},
        {"lines of one argument", {{"2+\n 3 "}}, "2+3= 5.00\n", "", 0},
        {"decimals", {{"--decimals", "4", "1/3"}}, "1/3= 0.3333\n", "", 0},
        {"decimals=", {{"--decimals=6", "1/3"}}, "1/3= 0.333333\n", "", 0},
        {"leading minus after --", {{"--", "-5+3"}}, "-5+3= -2.00\n", "", 0},
        {"-- then option-like text", {{"--", "--decimals"}}, "",
         Box("--\n Unable to evaluate -"), 1},
        {"missing bracket", {{"(2+3"}}, "", Box("(2+3\n Missing right bracket \")\""), 1},
        {"arithmetic", {{"1/0"}}, "", Box("Floating point division by zero."), 1},
        {"notice goes on", {{"mean(5)"}}, "mean(5)= NAN\n", "Not enough parameters\n", 0},
        {"goes on after a failure", {{"2+3", "1/0", "4"}}, "2+3= 5.00\n4= 4.00\n",
         Box("Floating point division by zero."), 1},
        {"not UTF-8", {{"2+\xFF"}}, "", notUtf8, 1},
        {"not UTF-8 then fine", {{"\xC3", "1+1"}}, "1+1= 2.00\n", notUtf8, 1},
    };
    for (const auto& c : cases) Check(c);
}

TEST_F(FerrolinEval, ReadsStandardInputLineByLine) {
    const Case cases[] = {
        {"lines", {{}, "2+3\n\n1/0\n  7  \r\n"}, "2+3= 5.00\n7= 7.00\n",
         "ferrolin-eval: line 3: 1/0\n" + Box("Floating point division by zero."), 1},
        {"each failure named", {{}, "sin 30\r\n2\n(2+3\n"}, "2= 2.00\n",
         "ferrolin-eval: line 1: sin 30\n" + Box("sin30\n Unable to evaluate sin30.") +
             "ferrolin-eval: line 3: (2+3\n" + Box("(2+3\n Missing right bracket \")\""), 1},
        {"no final newline", {{}, "2*3"}, "2*3= 6.00\n", "", 0},
        {"nothing at all", {{}, ""}, "", "", 0},
        {"only empty lines", {{}, "\n\n\r\n"}, "", "", 0},
        {"blank line is evaluated", {{}, "   \n"}, "", "ferrolin-eval: line 1:    \n" + Box("\n Missing operand "), 1},
        {"decimals apply", {{"--decimals", "3"}, "1/8\n"}, "1/8= 0.125\n", "", 0},
        {"not UTF-8 line", {{}, "\xE2\x82\n1+1\n"}, "1+1= 2.00\n",
         "ferrolin-eval: line 1: \xE2\x82\n" + Box(std::string(ferrolin::kInvalidText) + "."), 1},
        {"notice", {{}, "variance(3)\n"}, "variance(3)= NAN\n", "Not enough parameters\n", 0},
    };
    for (const auto& c : cases) Check(c);
    // Much output: the pipe must not stall the program.
    std::string input;
    for (int i = 0; i < 3000; ++i) input += "1+1\n";
    Result run = Spawn({{}, input});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.size(), 3000 * std::string("1+1= 2.00\n").size());
}

TEST_F(FerrolinEval, RejectsBadCommandLines) {
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"}, {"-5+3"}, {"--decimals"}, {"--decimals", "0", "1"}, {"--decimals", "7", "1"},
        {"--decimals", "12", "1"}, {"--decimals", "x", "1"}, {"--decimals=", "1"},
        {"--decimals=2.5", "1"}, {"--decimals=-1", "1"}, {"2", "--decimals"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0] + (args.size() > 1 ? " " + args[1] : ""));
        Result run = Spawn({args});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find("usage: ferrolin-eval"), std::string::npos);
    }
}

TEST_F(FerrolinEval, HelpGivesTheUsageAndEveryFunction) {
    Result help = Spawn({{"--help"}});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* part : {"usage: ferrolin-eval", "--decimals", "--version", "Exit status"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    for (const ferrolin::FunctionInfo& function : ferrolin::FunctionTable())
        EXPECT_NE(help.out.find("  " + std::string(function.name) + "() "), std::string::npos) << function.name;
}

// Results are no longer flushed line by line, yet a failure still appears between the results
// around it, and a notice before its line.
TEST_F(FerrolinEval, KeepsResultsAndFailuresInOrder) {
    Invocation call{{}, "2+3\n1/0\nmean(5)\n4\n"};
    call.stderrToStdout = true;
    Result run = Spawn(call);
    EXPECT_EQ(run.out,
              "2+3= 5.00\nferrolin-eval: line 2: 1/0\nFloating point division by zero.\nNot enough parameters\nmean(5)= NAN\n4= 4.00\n");
    EXPECT_EQ(run.status, 1);
}

TEST_F(FerrolinEval, ReportsStandardInputThatCannotBeRead) {
    for (auto input : {Invocation::Input::Folder, Invocation::Input::Closed}) {
        SCOPED_TRACE(input == Invocation::Input::Folder ? "folder" : "closed");
        Invocation call{{}};
        call.standardInput = input;
        Result run = Spawn(call);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("ferrolin-eval: cannot read standard input"), std::string::npos) << run.err;
    }
    Invocation withArguments{{"1+1"}};  // expressions on the command line never read it
    withArguments.standardInput = Invocation::Input::Closed;
    EXPECT_EQ(Spawn(withArguments).status, 0);
}

// A line longer than memory allows (an endless one from a device, here under a 400 MB limit) is
// named as that, not as a read error.
TEST_F(FerrolinEval, SaysWhenALineIsTooLongForMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "an address-space limit and AddressSanitizer's shadow memory do not mix";
#endif
    const std::string command = "head -c 700000000 /dev/zero | (ulimit -v 400000; exec '" + EvalProgram() +
                                "') 2>&1 >/dev/null; echo \"exit $?\"";
    FILE* shell = popen(command.c_str(), "r");
    ASSERT_NE(shell, nullptr);
    std::string said;
    char chunk[256];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, shell)) > 0;) said.append(chunk, got);
    pclose(shell);
    EXPECT_EQ(said, "ferrolin-eval: out of memory reading line 1 of standard input\nexit 1\n");
}

TEST_F(FerrolinEval, PrintsItsVersion) {
    Result run = Spawn({{"--version"}});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("ferrolin-eval ")) << run.out;
    EXPECT_GT(run.out.size(), std::string("ferrolin-eval \n").size());
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
    EXPECT_EQ(run.err, "");
}

TEST_F(FerrolinEval, ReportsAnOutputThatCannotBeWritten) {
    Invocation call{{"2+3"}};
    call.stdoutToDevFull = true;
    Result run = Spawn(call);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
}

// Locales are compiled into a private directory, so the test needs no system set-up beyond
// the locale sources of the "locales" package.
class FerrolinEvalLocale : public FerrolinEval {
protected:
    static std::string CompileLocale(const std::string& name, const std::string& source) {
        static const std::string dir = [] {
            char pattern[] = "/tmp/ferrolin-locales.XXXXXX";
            const char* made = mkdtemp(pattern);
            return std::string(made ? made : "");
        }();
        if (dir.empty()) return "";
        const std::string target = dir + "/" + name;
        if (!std::filesystem::exists(target)) {
            const std::string command = "localedef -i " + source + " -f UTF-8 " + target +
                                        " >/dev/null 2>&1";
            (void)std::system(command.c_str());
        }
        return std::filesystem::exists(target + "/LC_NUMERIC") ? dir : "";
    }
};

TEST_F(FerrolinEvalLocale, UsesTheLocalesDecimalSeparator) {
    struct LocaleCase {
        const char* locale;
        const char* source;
        Case run;
    };
    const LocaleCase cases[] = {
        {"C", "", {"C locale", {{"1/4"}}, "1/4= 0.25\n", "", 0}},
        {"de_DE.UTF-8", "de_DE", {"comma", {{"1/4", "1.5e20"}}, "1/4= 0,25\n1.5e20= 1,5E20\n", "", 0}},
        {"de_DE.UTF-8", "de_DE", {"comma list", {{"mean(1,2)"}}, "mean(1,2)= 1,50\n", "", 0}},
        {"de_DE.UTF-8", "de_DE",
         {"point in a list", {{"mean(1.5,2)"}}, "", Box("'1.5' is not a valid floating point value."), 1}},
        {"de_DE.UTF-8", "de_DE", {"operands keep the point", {{"2.5*2"}}, "2.5*2= 5,00\n", "", 0}},
        {"ps_AF.UTF-8", "ps_AF", {"separator outside ASCII", {{"1/4"}}, "1/4= 0\u066b25\n", "", 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.run.name);
        Case run = c.run;
        run.call.env["LC_ALL"] = c.locale;
        if (std::string(c.locale) != "C") {
            std::string dir = CompileLocale(c.locale, c.source);
            if (dir.empty()) {
                std::cout << "[ SKIPPED ROW ] " << c.run.name << ": cannot build " << c.locale
                          << " (install the locales package)\n";
                continue;
            }
            run.call.env["LOCPATH"] = dir;
        }
        Check(run);
    }
}

}  // namespace
