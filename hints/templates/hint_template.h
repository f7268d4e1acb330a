#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "hints/markup/hint_canvas.h"
#include "hints/templates/hint_image.h"

namespace lingotab::hints {

class TacHintTemplates;
class TacTemplateOwner;

// A picture template of unskinned hints: a picture for each corner at which
// the mouse point may lie (the default one serves the others when they are
// empty), the font of the hint text, and a name to select it by.
class TacHintTemplate {
  public:
    explicit TacHintTemplate(TacHintTemplates* owner = nullptr);
    TacHintTemplate(const TacHintTemplate&) = delete;
    TacHintTemplate& operator=(const TacHintTemplate&) = delete;

    TacHintImage& ImageDefault() { return FImageDefault; }
    TacHintImage& Img_LeftBottom() { return FImageLeftBottom; }
    TacHintImage& Img_RightBottom() { return FImageRightBottom; }
    TacHintImage& Img_RightTop() { return FImageRightTop; }

    const QString& Name() const { return FName; }
    void setName(const QString& name) { FName = name; }
    const HintFont& Font() const { return FFont; }
    void setFont(const HintFont& font);

    // Copies the four pictures, the font and the name.
    void Assign(const TacHintTemplate& source);

    // Passes a change on to the manager that owns the collection, if any.
    void Changed();

  private:
    TacHintImage FImageDefault{this};
    TacHintImage FImageLeftBottom{this};
    TacHintImage FImageRightBottom{this};
    TacHintImage FImageRightTop{this};
    QString FName;
    HintFont FFont;
    TacHintTemplates* FOwner;
};

// The templates of a hint manager, in order.
class TacHintTemplates {
  public:
    explicit TacHintTemplates(TacTemplateOwner* owner = nullptr) : FOwner(owner) {}
    TacHintTemplates(const TacHintTemplates&) = delete;
    TacHintTemplates& operator=(const TacHintTemplates&) = delete;

    int Count() const { return int(items_.size()); }
    TacHintTemplate& Items(int index) { return *items_.at(std::size_t(index)); }
    TacHintTemplate& Add();
    void Clear() { items_.clear(); }
    // Replaces the items by copies of `source`'s, item by item.
    void Assign(const TacHintTemplates& source);
    // The first template whose name equals `name` ignoring case, else -1.
    int IndexOf(const QString& name) const;

    TacTemplateOwner* Owner() const { return FOwner; }

  private:
    std::vector<std::unique_ptr<TacHintTemplate>> items_;
    TacTemplateOwner* FOwner;
};

}  // namespace lingotab::hints
