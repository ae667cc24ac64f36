// SPDX-License-Identifier: MIT
#include "OrderedPool.h"

#include <optional>

OrderedPool::OrderedPool(int threads, std::size_t window)
    : m_window(window)
{
    for (int i = 0; i < threads; ++i) {
        m_threads.emplace_back([this] { work(); });
    }
}

OrderedPool::~OrderedPool()
{
    finish();
}

void OrderedPool::add(Task task)
{
    std::unique_lock lock(m_mutex);
    m_space.wait(lock, [this] { return m_added - m_delivered < m_window; });
    m_queue.push_back({ m_added++, std::move(task) });
    m_work.notify_one();
}

std::size_t OrderedPool::finish()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_threads.empty()) {
            return m_threw;
        }
        m_ended = true;
        m_work.notify_all();
    }
    for (std::thread& thread : m_threads) {
        thread.join();
    }
    m_threads.clear();
    return m_threw;
}

void OrderedPool::work()
{
    while (true) {
        std::optional<Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_work.wait(lock, [this] { return !m_queue.empty() || m_ended; });
            if (m_queue.empty()) {
                return;
            }
            job = std::move(m_queue.front());
            m_queue.pop_front();
        }
        Done done;
        try {
            done.delivery = job->task();
        } catch (...) {
            done.threw = true;
        }
        const std::lock_guard lock(m_mutex);
        m_done.emplace(job->number, std::move(done));
        // Hand on whatever is next in order; the lock keeps the deliveries
        // one at a time and in order.
        for (auto next = m_done.find(m_delivered); next != m_done.end(); next = m_done.find(m_delivered)) {
            if (next->second.threw) {
                ++m_threw;
            } else if (next->second.delivery) {
                next->second.delivery();
            }
            m_done.erase(next);
            ++m_delivered;
        }
        m_space.notify_all();
    }
}
