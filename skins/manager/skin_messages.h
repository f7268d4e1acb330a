#pragma once

#include <QString>
#include <functional>

namespace lingotab::skins {

// How the skin engine tells the user something. kError boxes are captioned
// "Error" with the error icon; kPlain boxes carry the application title and
// no icon. Both are modal with one OK button.
enum class TacMessageKind { kError, kPlain };

// Replaces the message boxes (tests record the messages instead of
// blocking); an empty function restores the boxes.
using TacMessagePresenter =
    std::function<void(TacMessageKind kind, const QString& caption, const QString& text)>;
void setSkinMessagePresenter(TacMessagePresenter presenter);

void showSkinError(const QString& text);
void showSkinMessage(const QString& text);

}  // namespace lingotab::skins
