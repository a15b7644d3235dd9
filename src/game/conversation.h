#pragma once
// Questions as data: a command that asks stops where it asks (a coroutine,
// `co_await ask(question)`), and the answer, from the platform at once or from
// the front end later, lets it go on. Notices wait in the same queue. One
// command runs at a time; nothing blocks and nothing runs re-entrantly.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <utility>

#include "game/coroutine.h"
#include "game/platform.h"
#include "game/task.h"

namespace nerilo {

class Conversation {
public:
    explicit Conversation(Platform& platform) : platform_(platform) {}

    // The question to show now, oldest first, or none.
    const Question* question() const { return questions_.empty() ? nullptr : &questions_.front().second; }
    // A command waits for its answer, or for a search it started.
    bool asking() const { return awaited_ != 0 || searching_; }
    // The front end's answer to question(); true when it let a waiting command go on.
    bool answer(const Answer& answer);

    class Asking;
    Asking ask(const Question& question);
    // A notice: the command goes on at once.
    void tell(Question notice);
    void tell(const Text& text, MsgIcon icon = MsgIcon::Exclamation);

    // A command that waits for a search rather than an answer (the checks on
    // Save, a code's proof): it holds the conversation as a question does, and
    // goOn lets it go on with the result where it waits.
    void waitForSearch(coro::coroutine_handle<> command);
    void goOn();

    // Runs a command until it asks or ends; one command at a time.
    void run(Task<> command);
    // The same for a command with a result: `whileAsking` until it has one.
    template <class T>
    T run(Task<T> command, T whileAsking);

private:
    void finishCommand();

    Platform& platform_;
    // Questions not yet answered, by number, and the one the command waits for.
    std::deque<std::pair<uint64_t, Question>> questions_;
    uint64_t lastQuestion_ = 0;
    uint64_t awaited_ = 0;
    bool searching_ = false;
    coro::coroutine_handle<> waiting_;
    std::optional<Answer> answer_;
    std::optional<Task<>> command_;
};

class Conversation::Asking {
public:
    Asking(Conversation& conversation, const Question& question) : conversation_(conversation), question_(question) {
        question_.awaited = true;
    }
    bool await_ready();
    void await_suspend(coro::coroutine_handle<> command);
    Answer await_resume();

private:
    Conversation& conversation_;
    Question question_;
    std::optional<Answer> answer_;
};

template <class T>
T Conversation::run(Task<T> command, T whileAsking) {
    if (command_) return whileAsking;
    // Shared: a command that asks outlives this call.
    auto result = std::make_shared<std::optional<T>>();
    run([](Task<T> inner, std::shared_ptr<std::optional<T>> out) -> Task<> {
        T value = co_await inner;
        *out = std::move(value);
    }(std::move(command), result));
    return *result ? **result : whileAsking;
}

}  // namespace nerilo
