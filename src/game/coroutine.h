#pragma once
// The coroutine library under one name. The page's compiler (emscripten's
// clang with its libc++ 13) has it only as <experimental/coroutine>, with the
// same handle and awaitables; its clang takes a C++20
// coroutine with either, warning that the experimental one will go.
#if __has_include(<coroutine>)
#include <coroutine>
namespace nerilo::coro {
using std::coroutine_handle;
using std::suspend_always;
}  // namespace nerilo::coro
#else
#include <experimental/coroutine>
#pragma clang diagnostic ignored "-Wdeprecated-experimental-coroutine"
namespace nerilo::coro {
using std::experimental::coroutine_handle;
using std::experimental::suspend_always;
}  // namespace nerilo::coro
#endif
