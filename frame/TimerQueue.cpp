#include "frame/TimerQueue.h"

#include <algorithm>

namespace {
std::uint64_t nextSequence = 0;
}

TimerQueue::Client::Client() : sequence_(nextSequence++) {}

bool TimerQueue::start(Client& client, std::uint32_t period, std::uint64_t now) {
    stop(client);
    if (entries_.size() >= limit_) return false;
    entries_.push_back({&client, now + period, period});
    return true;
}

void TimerQueue::stop(Client& client) {
    std::erase_if(entries_, [&](const Entry& e) { return e.client == &client; });
}

bool TimerQueue::running(const Client& client) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.client == &client; });
}

std::vector<TimerQueue::Entry>::const_iterator TimerQueue::earliest() const {
    return std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.due != b.due ? a.due < b.due : a.client->sequence() < b.client->sequence();
    });
}

std::optional<std::uint64_t> TimerQueue::nextDue() const {
    if (entries_.empty()) return std::nullopt;
    return earliest()->due;
}

TimerQueue::Client* TimerQueue::takeDue(std::uint64_t now) {
    if (entries_.empty()) return nullptr;
    auto it = entries_.begin() + (earliest() - entries_.cbegin());
    if (it->due > now) return nullptr;
    std::uint64_t missed = (now - it->due) / it->period;
    it->due += (missed + 1) * it->period;
    return it->client;
}
