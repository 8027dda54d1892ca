// The guard tests of both front ends: each allocation of a toolkit callback fails in turn, one per run; the
// window stays up, shows the display from before the callback or after it, takes the next key, tells of it once.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Memory running out: the n-th C++ allocation from now fails; so does every
// one of `from` bytes or more, C's too where glibc lets us take malloc over
// (only large ones: a toolkit may not check small ones).
void failAllocation(long n, std::size_t from = SIZE_MAX);
// Whether an allocation failed since failAllocation(); the failing ends.
bool allocationFailed();

struct GuardedWindow {
    std::function<void(const std::string&)> type; // "\x1b" is Esc
    std::function<std::string()> display;
    std::function<void()> settle; // runs the events waiting, boxes included
    std::function<bool()> up;
    int boxes = 0;
};

struct Callback {
    const char* name;
    std::function<void()> run;
    std::string done, result; // the display after the callback, and after "=" then
    std::size_t failingFrom = SIZE_MAX; // every allocation from that size on fails: no sweep
};

// Starts each run from "12+" `before` and presses "=" after it.
inline void sweep(GuardedWindow& window, const std::string& before, const std::string& sum,
                  const std::vector<Callback>& callbacks)
{
    for (const Callback& callback : callbacks) {
        int told = 0;
        for (long n = 1;; ++n) {
            window.type("\x1b" "12+" + before);
            window.boxes = 0;
            failAllocation(n, callback.failingFrom);
            callback.run();
            const bool failed = allocationFailed();
            window.settle();
            const std::string shown = window.display();
            const std::string where = std::string(callback.name) + ", allocation " + std::to_string(n);
            EXPECT_TRUE(shown == before || shown == callback.done) << where << " shows " << shown;
            window.type("=");
            EXPECT_EQ(window.display(), shown == before ? sum : callback.result) << where;
            EXPECT_LE(window.boxes, 1) << where;
            told += window.boxes;
            ASSERT_TRUE(window.up()) << where;
            if (!failed || callback.failingFrom != SIZE_MAX)
                break;
        }
        EXPECT_TRUE(told > 0 || callback.failingFrom != SIZE_MAX) << callback.name << ": no failure was told";
    }
}
