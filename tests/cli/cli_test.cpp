// pelizo-cli end to end: the real pelizo-demo-site process on loopback and
// the real CLI, as a user runs them.
#include <array>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct CommandRun {
    int exitCode = -1;
    std::string out;
};

// Runs a shell command line and collects its stdout (UTF-8).
CommandRun run(const std::string& command)
{
    CommandRun r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        r.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        char* argv[] = {const_cast<char*>(PELIZO_DEMO_SITE), const_cast<char*>("--port"), const_cast<char*>("0"), nullptr};
        ASSERT_EQ(posix_spawn(&demoPid, PELIZO_DEMO_SITE, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string line;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            line.push_back(c);
        close(fds[0]);
        const auto colon = line.rfind(':');
        ASSERT_NE(colon, std::string::npos) << line;
        port = line.substr(colon + 1);
        env = "PELIZO_FILM_HOST=dianying.localhost:" + port + " PELIZO_SERIES_HOST=tv.localhost:" + port
            + " PELIZO_SEARCH_HOST=so.localhost:" + port + " PELIZO_CONFIG_URL=http://app.localhost:" + port
            + "/rz1.txt ";
    }
    static void TearDownTestSuite()
    {
        if (demoPid > 0) {
            kill(demoPid, SIGTERM);
            waitpid(demoPid, nullptr, 0);
        }
    }

    static CommandRun cli(const std::string& args) { return run(env + PELIZO_CLI + std::string(" ") + args + " 2>/dev/null"); }

    static pid_t demoPid;
    static std::string port;
    static std::string env;
};

pid_t CliTest::demoPid = 0;
std::string CliTest::port;
std::string CliTest::env;

} // namespace

TEST_F(CliTest, ConfigAndFetch)
{
    CommandRun r = cli("config");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\"interfaces\": [\"http://jx.localhost:" + port + "/jiexi/1.html?url=\", \"http://jx.localhost:" + port
                         + "/jiexi/2.html?url=\", \"http://jx.localhost:" + port + "/jiexi/3.html?url=\"], \"latestVersion\": \"4.9\"}\n");
    r = cli("config http://127.0.0.1:1/rz1.txt");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "{\"interfaces\": [], \"latestVersion\": \"\"}\n");

    r = cli("fetch http://dianying.localhost:" + port + "/m/1001.html");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("<h1>长安往事</h1>"), std::string::npos); // UTF-8 on stdout
    EXPECT_EQ(cli("fetch http://127.0.0.1:1/").exitCode, 1);
    EXPECT_EQ(cli("fetch").exitCode, 2);
}

TEST_F(CliTest, ListingSearchFilmAndSeries)
{
    CommandRun r = cli("listing --category 2 --type yanqing --year 20102000");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("{\"pageCount\": 1, \"items\": [{\"title\": ", 0), 0u) << r.out;
    r = cli("listing --category 1 --page 5");
    EXPECT_EQ(r.out.rfind("{\"pageCount\": 5, ", 0), 0u) << r.out;
    r = cli("listing --category 1 --page 9");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "{\"pageCount\": 0, \"items\": []}\n");

    r = cli("search 故园之恋");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string("[{\"title\": \"故园之恋\", \"kind\": \"电视剧\", \"detailUrl\": \"http://tv.localhost:") + port
                         + "/tv/2005.html\", \"posterUrl\": \"http://img.localhost:" + port + "/poster/2005.png\"}]\n");
    EXPECT_EQ(cli("search 无此片").exitCode, 1);

    r = cli("film http://dianying.localhost:" + port + "/m/1001.html");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"found\": true, \"detail\": {\"title\": \"长安往事\", \"score\": "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"sources\": [{\"name\": "), std::string::npos);

    r = cli("series http://tv.localhost:" + port + "/tv/2044.html");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"episodeCount\": \"全80集\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("/play/2044-80.html\"]"), std::string::npos);

    r = cli("series http://tv.localhost:" + port + "/tv/9.html");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("\"found\": false"), std::string::npos);

    for (const char* bad : {"listing", "listing --category 3", "listing --category 1 --page x", "listing --bogus 1",
                            "search", "film", "series a b", "nothing"})
        EXPECT_EQ(cli(bad).exitCode, 2) << bad;
}
