#pragma once

#include <QString>

namespace lingotab::skins {

// The skin section a control takes its look from ("BUTTON", "EDIT" ...).
// Until a skin paints it, a control keeps the toolkit's standard look.
class TacSkinSectionHolder {
  public:
    const QString& SkinSection() const { return FSkinSection; }
    void setSkinSection(const QString& section) { FSkinSection = section.toUpper(); }

  protected:
    explicit TacSkinSectionHolder(QString section) : FSkinSection(std::move(section)) {}

  private:
    QString FSkinSection;
};

}  // namespace lingotab::skins
