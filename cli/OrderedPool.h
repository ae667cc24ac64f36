// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// Worker threads that run tasks in any order and hand their results on in
// the order the tasks were added. At most `window` tasks are queued, under
// way or waiting for an earlier one, so memory stays the same however many
// tasks come: add() waits while the window is full.
class OrderedPool
{
public:
    // What a task hands on: called in the order of the tasks, one at a
    // time, in one of the worker threads. It must not call add() and must
    // not throw.
    using Delivery = std::function<void()>;
    // A piece of work, run in a worker thread; returns its delivery (or an
    // empty one for nothing to hand on).
    using Task = std::function<Delivery()>;

    // threads >= 1, window >= 1.
    OrderedPool(int threads, std::size_t window);
    OrderedPool(const OrderedPool&) = delete;
    OrderedPool& operator=(const OrderedPool&) = delete;
    ~OrderedPool();

    // Queues a task; waits while the window is full.
    void add(Task task);

    // Waits until every task is delivered and ends the threads. A task that
    // threw is skipped in its turn, and the others go on; returns how many
    // threw (over every call). Called again, it returns at once.
    std::size_t finish();

private:
    struct Job
    {
        std::size_t number;
        Task task;
    };
    struct Done
    {
        bool threw = false;
        Delivery delivery;
    };

    void work();

    const std::size_t m_window;
    std::mutex m_mutex;
    std::condition_variable m_work;  // a job is queued, or the input has ended
    std::condition_variable m_space; // a task was delivered
    std::deque<Job> m_queue;
    std::map<std::size_t, Done> m_done; // finished, waiting for earlier ones
    std::size_t m_added = 0;
    std::size_t m_delivered = 0;
    std::size_t m_threw = 0;
    bool m_ended = false;
    std::vector<std::thread> m_threads;
};
