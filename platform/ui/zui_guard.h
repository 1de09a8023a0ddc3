// Every event handler of a screen runs through guard(): an error aborts that
// handler only and is shown by the standard error display; it never reaches
// Qt's event loop, which is not exception-safe.
#pragma once

#include <QApplication>
#include <QObject>

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace zui {

// Runs 'handler'; on an exception shows it (caption "Ошибка", the error's text)
// and returns false.
bool guard(const std::function<void()>& handler);

// Shows the exception being handled; call only inside a catch block.
void showCurrentException();

namespace detail {

template <typename F, typename Tuple, std::size_t... I>
constexpr bool invocableWith(std::index_sequence<I...>) {
    return std::is_invocable_v<F&, std::tuple_element_t<I, Tuple>...>;
}

// Calls f with as many leading signal arguments as it takes, so that a
// clicked(bool) can run a handler written as Button1Click().
template <std::size_t N, typename F, typename Tuple>
void callWithPrefix(F& f, Tuple& args) {
    if constexpr (invocableWith<F, Tuple>(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(f, std::get<I>(args)...);
        }(std::make_index_sequence<N>{});
    } else {
        static_assert(N > 0, "the handler does not fit the signal");
        if constexpr (N > 0) callWithPrefix<N - 1>(f, args);
    }
}

template <typename Receiver, typename Handler>
auto bindHandler(Receiver* receiver, Handler handler) {
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        // The trailing return type keeps the call SFINAE-friendly for callWithPrefix.
        return [receiver, handler](auto&&... a) -> decltype(std::invoke(handler, receiver, std::forward<decltype(a)>(a)...)) {
            return std::invoke(handler, receiver, std::forward<decltype(a)>(a)...);
        };
    } else {
        return handler;
    }
}

}  // namespace detail

// connect() through guard(): on(Button1, &QPushButton::clicked, this, &TForm30::Button1Click).
// The handler may be a member function of 'receiver' or any callable; it may take
// fewer arguments than the signal carries. The connection ends with 'receiver'.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection on(Sender* sender, Signal signal, Receiver* receiver, Handler handler) {
    auto call = detail::bindHandler(receiver, std::move(handler));
    return QObject::connect(sender, signal, receiver, [call](auto&&... args) mutable {
        auto tuple = std::forward_as_tuple(args...);
        guard([&] { detail::callWithPrefix<sizeof...(args)>(call, tuple); });
    });
}

// The same with a callable whose life ends with the sender.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection on(Sender* sender, Signal signal, Handler handler) {
    return on(sender, signal, sender, std::move(handler));
}

// The application object of the client: an error that escapes an event handler
// not wrapped by guard() is shown the same way instead of ending the run.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace zui
