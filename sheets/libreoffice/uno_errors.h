#pragma once

#include <QString>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>

namespace lingotab::sheets::calc {

// The message of an office exception as the user reads it: the office's own
// description without the source position that some builds append.
QString unoErrorText(const css::uno::Exception& error);

// Raises lingotab::Exception for an office exception.
[[noreturn]] void raiseUnoError(const css::uno::Exception& error);

// Raises lingotab::Exception for a connection that broke (the office
// ended), which is forgotten so that the next export starts afresh.
[[noreturn]] void raiseLostConnection(const css::lang::DisposedException& error);

// Runs `body`, turning the office's exceptions into lingotab::Exception.
template <class Body>
auto guarded(Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const css::lang::DisposedException& error) {
        raiseLostConnection(error);
    } catch (const css::uno::Exception& error) {
        raiseUnoError(error);
    }
}

}  // namespace lingotab::sheets::calc
