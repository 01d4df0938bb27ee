#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

// Rollback over any deterministic game. `Game` supplies
//   using State = ...;  a copyable value, the whole simulation
//   using Input = ...;  one player's record for one tick, with ==
//   using Events = ...; what one tick did
//   static Events step(State&, const Input (&)[2]);
//   static uint64_t hash(const State&);
//   static bool finished(const State&);  the match is decided
// Each tick runs at once with this side's record and the peer's predicted
// one (its last known). A late record that differs from what was predicted
// restores the state saved before that tick and runs forward again. Events
// and hashes are handed on only for ticks whose records from both sides are
// known, so what the player hears is never taken back.
struct RollbackOptions {
    int inputDelay = 2;     // ticks between sampling a record and playing it
    int window = 12;        // at most this many ticks run on predictions
    int hashInterval = 60;  // a confirmed state's hash every this many ticks
};

constexpr int maxInputDelay = 8;
constexpr int maxRollbackWindow = 30;

struct RollbackStats {
    uint64_t rollbacks = 0;
    uint64_t ticksResimulated = 0;
    int largestRollback = 0;
    // The deepest rollback of the last full hash interval (a second), for the HUD.
    int recentRollback = 0;
    int rollbackThisInterval = 0;
};

template <typename Game>
class RollbackSession {
public:
    using State = typename Game::State;
    using Input = typename Game::Input;
    using Events = typename Game::Events;

    RollbackSession(const State& start, int localSide, RollbackOptions options)
        : options_(clampOptions(options)), localSide_(localSide == 0 ? 0 : 1), state_(start),
          slots_(static_cast<size_t>(options_.window + 2))
    {
        // The first records are neutral on both sides: they are sent like any
        // other, so the peer need not know this side's delay.
        for (int tick = 0; tick < options_.inputDelay; ++tick)
            localAt(tick) = Input{};
        localProduced_ = options_.inputDelay;
    }

    const State& state() const { return state_; }
    int localSide() const { return localSide_; }
    const RollbackOptions& options() const { return options_; }
    const RollbackStats& stats() const { return stats_; }
    // Ticks run so far; the state is the one after tick presentTick() - 1.
    uint32_t presentTick() const { return present_; }
    // Ticks 0 .. confirmedTicks() - 1 are final on both sides.
    uint32_t confirmedTicks() const { return confirmed_; }
    // The peer's records known without a gap: ticks 0 .. remoteTicks() - 1.
    uint32_t remoteTicks() const { return remoteContiguous_; }
    // This side's records made so far (sent to the peer).
    uint32_t localTicks() const { return localProduced_; }
    const Input& localInput(uint32_t tick) const { return inputs_[tick % historySize].local; }
    // How many of the ticks run are predictions.
    int predictedDepth() const { return static_cast<int>(present_ - std::min(present_, remoteContiguous_)); }
    // False while the peer is a whole window behind (the game waits) and
    // once the match is decided.
    bool canAdvance() const { return predictedDepth() < options_.window && !over_; }
    // The confirmed state is decided: nothing is confirmed beyond it, so both
    // sides end on the same tick.
    bool over() const { return over_; }
    bool desynced() const { return desyncTick_ >= 0; }
    int64_t desyncTick() const { return desyncTick_; }
    // Both sides' confirmed records, tick by tick: the match's replay.
    const std::vector<Input>& confirmedInputs(int side) const { return replay_[side]; }

    // Takes a record of the peer's. False when the tick lies further ahead
    // than a peer keeping to the protocol can be: the caller drops the packet.
    bool receiveRemote(uint32_t tick, const Input& input)
    {
        if (tick < remoteContiguous_)
            return true;
        if (tick >= present_ + options_.inputDelay + options_.window + maxInputDelay + 1)
            return false;
        InputSlot& slot = inputs_[tick % historySize];
        slot.remote = input;
        slot.remoteTick = tick;
        while (inputs_[remoteContiguous_ % historySize].remoteTick == remoteContiguous_)
            ++remoteContiguous_;
        return true;
    }

    // Records this side's input for tick presentTick() + inputDelay and runs
    // one tick. Only when canAdvance().
    void advance(const Input& local)
    {
        settle();
        if (!canAdvance())
            return;
        localAt(localProduced_) = local;
        ++localProduced_;
        simulate(present_);
        ++present_;
        if (present_ % static_cast<uint32_t>(options_.hashInterval) == 0) {
            stats_.recentRollback = stats_.rollbackThisInterval;
            stats_.rollbackThisInterval = 0;
        }
        confirm();
    }

    // Re-runs from the first mispredicted tick and confirms what can be.
    void settle()
    {
        for (uint32_t tick = confirmed_; tick < present_; ++tick) {
            if (!(slotAt(tick).remoteUsed == remoteFor(tick))) {
                const int depth = static_cast<int>(present_ - tick);
                state_ = slotAt(tick).before;
                for (uint32_t again = tick; again < present_; ++again)
                    simulate(again);
                ++stats_.rollbacks;
                stats_.ticksResimulated += static_cast<uint64_t>(depth);
                stats_.largestRollback = std::max(stats_.largestRollback, depth);
                stats_.rollbackThisInterval = std::max(stats_.rollbackThisInterval, depth);
                break;
            }
        }
        confirm();
    }

    // Hands each newly confirmed tick's events to `onTick(tick, events)`.
    template <typename OnTick>
    void takeConfirmedEvents(OnTick&& onTick)
    {
        for (const auto& entry : pendingEvents_)
            onTick(entry.first, entry.second);
        pendingEvents_.clear();
    }

    // Hashes of confirmed ticks for the peer: (tick, hash) pairs.
    std::vector<std::pair<uint32_t, uint64_t>> takeHashesToSend()
    {
        std::vector<std::pair<uint32_t, uint64_t>> out;
        out.swap(hashesToSend_);
        return out;
    }

    // The peer's hash of the state after `tick`.
    void receiveRemoteHash(uint32_t tick, uint64_t hash)
    {
        remoteHashes_.emplace_back(tick, hash);
        if (remoteHashes_.size() > keptHashes)
            remoteHashes_.pop_front();
        compareHashes();
    }

    // The state after the last confirmed tick: what both sides agree on.
    const State& confirmedState() const { return confirmed_ < present_ ? slots_[confirmed_ % slots_.size()].before : state_; }

private:
    static constexpr uint32_t historySize = 128;
    static constexpr size_t keptHashes = 16;
    static constexpr uint32_t noTick = 0xffffffffu;

    struct InputSlot {
        Input local{};
        Input remote{};
        uint32_t remoteTick = noTick;
    };
    struct TickSlot {
        State before{};
        Events events{};
        Input remoteUsed{};
    };

    static RollbackOptions clampOptions(RollbackOptions options)
    {
        options.inputDelay = std::clamp(options.inputDelay, 0, maxInputDelay);
        options.window = std::clamp(options.window, 1, maxRollbackWindow);
        options.hashInterval = std::max(options.hashInterval, 1);
        return options;
    }

    Input& localAt(uint32_t tick) { return inputs_[tick % historySize].local; }
    TickSlot& slotAt(uint32_t tick) { return slots_[tick % slots_.size()]; }

    Input remoteFor(uint32_t tick) const
    {
        const InputSlot& slot = inputs_[tick % historySize];
        if (slot.remoteTick == tick)
            return slot.remote;
        if (remoteContiguous_ == 0)
            return Input{};
        return inputs_[(remoteContiguous_ - 1) % historySize].remote;
    }

    void simulate(uint32_t tick)
    {
        TickSlot& slot = slotAt(tick);
        slot.before = state_;
        slot.remoteUsed = remoteFor(tick);
        Input both[2];
        both[localSide_] = inputs_[tick % historySize].local;
        both[1 - localSide_] = slot.remoteUsed;
        slot.events = Game::step(state_, both);
    }

    void confirm()
    {
        const uint32_t upTo = std::min(remoteContiguous_, present_);
        for (; confirmed_ < upTo && !over_; ++confirmed_) {
            const uint32_t tick = confirmed_;
            const InputSlot& inputs = inputs_[tick % historySize];
            replay_[localSide_].push_back(inputs.local);
            replay_[1 - localSide_].push_back(inputs.remote);
            pendingEvents_.emplace_back(tick, slotAt(tick).events);
            const State& after = tick + 1 < present_ ? slotAt(tick + 1).before : state_;
            over_ = Game::finished(after);
            if ((tick + 1) % static_cast<uint32_t>(options_.hashInterval) == 0) {
                const uint64_t hash = Game::hash(after);
                hashesToSend_.emplace_back(tick, hash);
                localHashes_.emplace_back(tick, hash);
                if (localHashes_.size() > keptHashes)
                    localHashes_.pop_front();
                compareHashes();
            }
        }
    }

    void compareHashes()
    {
        for (const auto& remote : remoteHashes_)
            for (const auto& local : localHashes_)
                if (remote.first == local.first && remote.second != local.second && desyncTick_ < 0)
                    desyncTick_ = remote.first;
    }

    RollbackOptions options_;
    int localSide_;
    State state_;
    std::vector<TickSlot> slots_;
    InputSlot inputs_[historySize];
    uint32_t present_ = 0;
    uint32_t confirmed_ = 0;
    uint32_t remoteContiguous_ = 0;
    uint32_t localProduced_ = 0;
    RollbackStats stats_;
    std::vector<Input> replay_[2];
    std::vector<std::pair<uint32_t, Events>> pendingEvents_;
    std::vector<std::pair<uint32_t, uint64_t>> hashesToSend_;
    std::deque<std::pair<uint32_t, uint64_t>> localHashes_;
    std::deque<std::pair<uint32_t, uint64_t>> remoteHashes_;
    int64_t desyncTick_ = -1;
    bool over_ = false;
};
