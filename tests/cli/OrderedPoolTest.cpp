// SPDX-License-Identifier: MIT
#include "OrderedPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// A task that hands on its number.
OrderedPool::Task handsOn(int number, std::vector<int>& delivered)
{
    return [number, &delivered] { return [number, &delivered] { delivered.push_back(number); }; };
}

// The first task waits until the third has run, so they finish out of
// order; the results come in order all the same.
TEST(OrderedPool, DeliversInTheOrderOfTheTasks)
{
    std::vector<int> delivered;
    std::promise<void> thirdRan;
    std::future<void> third = thirdRan.get_future();
    bool waited = false;
    OrderedPool pool(3, 3);
    pool.add([&] {
        waited = third.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
        return [&delivered] { delivered.push_back(1); };
    });
    pool.add(handsOn(2, delivered));
    pool.add([&] {
        thirdRan.set_value();
        return [&delivered] { delivered.push_back(3); };
    });
    for (int number = 4; number <= 9; ++number) {
        pool.add(handsOn(number, delivered));
    }
    EXPECT_EQ(pool.finish(), 0U);
    EXPECT_TRUE(waited);
    EXPECT_EQ(delivered, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9 }));
}

TEST(OrderedPool, ATaskThatThrowsIsSkippedAndCounted)
{
    std::vector<int> delivered;
    OrderedPool pool(2, 4);
    pool.add(handsOn(1, delivered));
    pool.add([]() -> OrderedPool::Delivery { throw std::runtime_error("kaputt"); });
    pool.add(handsOn(3, delivered));
    pool.add([]() -> OrderedPool::Delivery { throw 42; });
    pool.add(handsOn(5, delivered));
    EXPECT_EQ(pool.finish(), 2U);
    EXPECT_EQ(pool.finish(), 2U); // once finished, at once
    EXPECT_EQ(delivered, (std::vector<int> { 1, 3, 5 }));
}

TEST(OrderedPool, MoreThreadsThanTasks)
{
    std::vector<int> delivered;
    OrderedPool pool(8, 32);
    pool.add(handsOn(1, delivered));
    pool.add(handsOn(2, delivered));
    EXPECT_EQ(pool.finish(), 0U);
    EXPECT_EQ(delivered, (std::vector<int> { 1, 2 }));

    OrderedPool idle(4, 16);
    EXPECT_EQ(idle.finish(), 0U);
}

// A full window holds add() back until the first task is delivered: with
// a window of 2, the third task waits for the first, which waits for us.
TEST(OrderedPool, AFullWindowHoldsTheNextTaskBack)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::vector<int> delivered;
    OrderedPool pool(1, 2);
    pool.add([&delivered, released] {
        released.wait();
        return [&delivered] { delivered.push_back(1); };
    });
    pool.add(handsOn(2, delivered));
    std::future<void> third = std::async(std::launch::async, [&] { pool.add(handsOn(3, delivered)); });
    EXPECT_EQ(third.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    release.set_value();
    third.get();
    EXPECT_EQ(pool.finish(), 0U);
    EXPECT_EQ(delivered, (std::vector<int> { 1, 2, 3 }));
}

// --jobs 1 runs one file at a time: no two tasks of a one-thread pool
// overlap (each takes long enough that a second thread would start one).
TEST(OrderedPool, OneThreadRunsOneTaskAtATime)
{
    std::atomic<int> running = 0;
    std::atomic<int> most = 0;
    OrderedPool pool(1, 4);
    for (int k = 0; k < 3; ++k) {
        pool.add([&] {
            const int now = ++running;
            most = std::max(most.load(), now);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            --running;
            return OrderedPool::Delivery();
        });
    }
    EXPECT_EQ(pool.finish(), 0U);
    EXPECT_EQ(most, 1);
}

} // namespace
