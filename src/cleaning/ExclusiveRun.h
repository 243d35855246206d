#pragma once
// A cleaning run that never overlaps another, in this process or any other on the machine.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "base/Texts.h"
#include "cleaning/DeletionRun.h"

namespace vantrelle::cleaning {

class RunHost;

inline constexpr std::int64_t kLongestWaitForTurnMs = 10 * 60 * 1000;
// The status and the message of a run kept waiting, in English.
inline const std::string_view kWaitingForTurn = TextView(Language::English, TextId::RunWaitingForTurn);
inline const std::string_view kNoTurn = TextView(Language::English, TextId::RunNoTurn);

// What is done with a finished run while the lock is still held, so that what runs write about
// themselves (the history) is not written by two at once.
using RunRecorder = std::function<void(const RunResult&)>;

// Runs `choices` once no other run holds the platform's run lock, then hands the result to `record`
// before giving the lock back. While another run holds it, the status line says so and the run waits,
// yielding to window events, for at most ten minutes; then it tells the host why it does not start
// and returns nothing. A host that asks to stop ends the wait at once, without a message.
std::optional<RunResult> RunExclusively(const platform::Platform& platform, RunHost& host, const Choices& choices,
                                        const RunRecorder& record = {});

}  // namespace vantrelle::cleaning
