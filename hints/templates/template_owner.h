#pragma once

namespace lingotab::hints {

// Who is told when template data change: the hint manager that owns the
// templates. Kept as an interface so the templates do not depend on the
// manager's class.
class TacTemplateOwner {
  public:
    virtual void Changed() = 0;

  protected:
    ~TacTemplateOwner() = default;
};

}  // namespace lingotab::hints
