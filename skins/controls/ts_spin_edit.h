#pragma once

#include "skins/controls/skin_section.h"
#include "skins/controls/ts_label.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace lingotab::skins {

// The pair of arrow buttons inside a spin box. Pressing one steps the value
// at once; holding it repeats the step after 400 ms, then every 100 ms.
class TsSpinButton : public QWidget, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    explicit TsSpinButton(QWidget* parent);

    QTimer* repeatTimer() { return &repeat_; }

  signals:
    void upClick();
    void downClick();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    enum Pressed { kNone, kUp, kDown };
    void step();
    void repeat();
    void paintStandard(QPainter& painter);

    Pressed pressed_ = kNone;
    QTimer repeat_;
};

// A one-line edit for an integer with arrow buttons and a label attached on
// its left. The text may hold anything typed; Value() reads it, and setting a
// value clamps it into MinValue..MaxValue (a bound of 0 is no bound, and both
// 0 mean no limits at all).
class TsSpinEdit : public QLineEdit, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    // `parent` also holds the attached label.
    explicit TsSpinEdit(QWidget* parent);
    ~TsSpinEdit() override;

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Increment() const { return increment_; }
    void setMinValue(int value) { minValue_ = value; }
    void setMaxValue(int value) { maxValue_ = value; }
    void setIncrement(int value) { increment_ = value; }

    // The number in the text; MinValue when the text is empty or no integer.
    // Not clamped.
    int Value() const;
    // Clamps `value` and shows it in decimal.
    void setValue(int value);
    int CheckValue(int value) const;

    TsLabel* BoundLabel() const { return boundLabel_; }
    void setBoundLabelCaption(const QString& caption);
    TsSpinButton* Button() const { return button_; }

  signals:
    // A typed character was refused (and a beep sounded).
    void characterRefused(QChar character);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool acceptsCharacter(char32_t character) const;
    void stepBy(int steps);
    void placeBoundLabel();

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    int wheelRest_ = 0;  // wheel movement short of a whole notch
    // The label comes first: creating the button already sends this edit
    // events that look at the label.
    QPointer<TsLabel> boundLabel_;
    TsSpinButton* button_;
};

}  // namespace lingotab::skins
