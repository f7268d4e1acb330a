#include "skins/manager/skin_messages.h"

#include "platform/application_title.h"

#include <QMessageBox>

namespace lingotab::skins {

namespace {

TacMessagePresenter& presenter() {
    static TacMessagePresenter instance;
    return instance;
}

void present(TacMessageKind kind, const QString& caption, const QString& text) {
    if (presenter()) {
        presenter()(kind, caption, text);
        return;
    }
    QMessageBox box(kind == TacMessageKind::kError ? QMessageBox::Critical : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

void setSkinMessagePresenter(TacMessagePresenter value) {
    presenter() = std::move(value);
}

void showSkinError(const QString& text) {
    present(TacMessageKind::kError, QStringLiteral("Error"), text);
}

void showSkinMessage(const QString& text) {
    present(TacMessageKind::kPlain, platform::ApplicationTitle(), text);
}

}  // namespace lingotab::skins
