#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// The running periodic timers of the process, ordered by due time and, at
// equal times, by the order the timers were created.
class TimerQueue {
public:
    class Client {
    public:
        Client();
        virtual ~Client() = default;
        virtual void tick() = 0;
        std::uint64_t sequence() const { return sequence_; }

    private:
        std::uint64_t sequence_;
    };

    explicit TimerQueue(std::size_t limit = 10000) : limit_(limit) {}

    // Starts `client` with its first tick one full period after `now`.
    // False when the system has no timer left for it.
    bool start(Client& client, std::uint32_t period, std::uint64_t now);
    void stop(Client& client);
    bool running(const Client& client) const;

    std::optional<std::uint64_t> nextDue() const;
    // Takes the earliest timer due at `now` and schedules its next tick on
    // its own grid after `now`, so that missed periods collapse into one.
    Client* takeDue(std::uint64_t now);

private:
    struct Entry {
        Client* client;
        std::uint64_t due;
        std::uint32_t period;
    };
    std::vector<Entry>::const_iterator earliest() const;

    std::size_t limit_;
    std::vector<Entry> entries_;
};
