#pragma once
// A session command that may stop to ask the player something and goes on
// when the answer comes: a C++20 coroutine. The session never blocks on a
// dialog; a command that asks suspends where it asks, the front end shows the
// question when the session's call has returned, and the answer resumes the
// command at that point. A Task awaited by another runs as its subroutine.
#include "game/coroutine.h"
#include <exception>
#include <optional>
#include <utility>

namespace nerilo {

template <class T>
class Task;

namespace detail {

struct TaskPromiseBase {
    coro::coroutine_handle<> continuation;
    std::exception_ptr failure;
    // While the awaiting command starts the task, an end comes back to it by
    // returning; only a task that stopped to ask resumes it at its end. (No
    // symmetric transfer: the page's WebAssembly has no tail calls.)
    bool startingInline = false;
    bool endedInline = false;

    coro::suspend_always initial_suspend() noexcept { return {}; }
    struct Finish {
        bool await_ready() noexcept { return false; }
        template <class Promise>
        void await_suspend(coro::coroutine_handle<Promise> done) noexcept {
            TaskPromiseBase& promise = done.promise();
            if (promise.startingInline) promise.endedInline = true;
            else if (promise.continuation) promise.continuation.resume();
        }
        void await_resume() noexcept {}
    };
    Finish final_suspend() noexcept { return {}; }
    void unhandled_exception() { failure = std::current_exception(); }
};

template <class T>
struct TaskPromise : TaskPromiseBase {
    std::optional<T> value;
    Task<T> get_return_object();
    template <class U>
    void return_value(U&& result) { value.emplace(std::forward<U>(result)); }
    T take() {
        if (failure) std::rethrow_exception(failure);
        return std::move(*value);
    }
};

template <>
struct TaskPromise<void> : TaskPromiseBase {
    Task<void> get_return_object();
    void return_void() {}
    void take() {
        if (failure) std::rethrow_exception(failure);
    }
};

}  // namespace detail

template <class T = void>
class [[nodiscard]] Task {
public:
    using promise_type = detail::TaskPromise<T>;
    using Handle = coro::coroutine_handle<promise_type>;

    explicit Task(Handle handle) : handle_(handle) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            if (handle_) handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() {
        if (handle_) handle_.destroy();
    }

    // Runs the command from the top-level until it asks or ends.
    void start() { handle_.resume(); }
    bool done() const { return !handle_ || handle_.done(); }
    // The result of a finished command.
    T result() { return handle_.promise().take(); }

    // Awaited by another command: runs as its subroutine.
    bool await_ready() const noexcept { return false; }
    bool await_suspend(coro::coroutine_handle<> caller) {
        promise_type& promise = handle_.promise();
        promise.continuation = caller;
        promise.startingInline = true;
        handle_.resume();
        promise.startingInline = false;
        // Ended at once: the caller goes on without stopping.
        return !promise.endedInline;
    }
    T await_resume() { return handle_.promise().take(); }

private:
    Handle handle_;
};

namespace detail {
template <class T>
Task<T> TaskPromise<T>::get_return_object() {
    return Task<T>(coro::coroutine_handle<TaskPromise<T>>::from_promise(*this));
}
inline Task<void> TaskPromise<void>::get_return_object() {
    return Task<void>(coro::coroutine_handle<TaskPromise<void>>::from_promise(*this));
}
}  // namespace detail

}  // namespace nerilo
