#pragma once

#include "sheets/libreoffice/calc_application.h"

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace lingotab::sheets::calc {

using css::uno::Reference;

// The one UNO connection of the process to an office of ours, kept between
// exports and renewed when the office went away.
class OfficeConnection {
  public:
    static OfficeConnection& instance();

    // The desktop of the office accepting on `pipe`, connecting when there
    // is no live connection to it; empty when no office answers there.
    Reference<css::frame::XDesktop2> attach(const QString& pipe);

    // Starts an office as `options` say and connects to it, trying again
    // until it accepts or the start timeout passes; empty when it could not
    // be started or did not answer in time.
    Reference<css::frame::XDesktop2> start(const OfficeOptions& options);

    // Drops the connection after it broke.
    void forget();

  private:
    OfficeConnection() = default;
    Reference<css::uno::XComponentContext> localContext();

    Reference<css::uno::XComponentContext> local_;
    QString pipe_;
    Reference<css::uno::XComponentContext> remote_;
    Reference<css::frame::XDesktop2> desktop_;
};

}  // namespace lingotab::sheets::calc
