#pragma once

#include "app/open_dialog.h"
#include "app/texts/text_set.h"
#include "core/translation_units.h"

#include <QStringList>
#include <QWidget>

namespace lingotab::skins {
class TsBitBtn;
class TsCheckBox;
class TsLabel;
class TsMemo;
class TsPanel;
class TsSkinManager;
class TsSpinEdit;
}  // namespace lingotab::skins

namespace lingotab::frame {
class TsSkinProvider;
}  // namespace lingotab::frame

namespace lingotab::hints {
class TsHintManager;
}  // namespace lingotab::hints

namespace lingotab::app {

class TRightAnchors;

// The main window: a tool panel along the top (open button, the two export
// options, the row count, the export button) and the text area below it.
// Built from the window description of the text set it is given; the texts
// it shows later (messages, the export's headings) come from the same set.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // Raises lingotab::Exception when the text set has no description of the
    // window ("Resource TForm1 not found"). Errors of the start-up steps are
    // shown in the error box; the window is built all the same.
    // `moduleFileName` is the executable's full path.
    TForm1(const TextSet& texts, const QString& moduleFileName, QWidget* parent = nullptr);
    ~TForm1() override;

    // Components, in the order of the window description.
    skins::TsSkinManager* const sSkinManager1;
    frame::TsSkinProvider* const sSkinProvider1;
    hints::TsHintManager* const sHintManager1;
    TsOpenDialog sOpenDialog1;
    skins::TsMemo* const sMemo1;
    skins::TsPanel* const sPanel1;
    skins::TsBitBtn* const sBitBtn1;
    skins::TsBitBtn* const sBitBtn2;
    skins::TsSpinEdit* const sSpinEdit1;
    skins::TsLabel* const sLabel1;
    skins::TsCheckBox* const sCheckBox1;
    skins::TsCheckBox* const sCheckBox2;

    const QString& ExeDir() const { return ExeDir_; }
    const QString& ExeName() const { return ExeName_; }
    const QString& LoadedFileName() const { return LoadedFileName_; }
    const QStringList& ReadMeLines() const { return ReadMeLines_; }
    const core::TTranslateArr& Translations() const { return Translations_; }

    // Event handlers, as the window description binds them.
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sCheckBox2Click();
    void sSkinProvider1TitleButtons0MouseUp();
    // The first file of a drop from the file manager.
    void FileDropped(const QString& path);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createComponents(const TWindowDescription& description);
    void FormCreate(const QString& moduleFileName);
    void FormShow();
    void FormClose();
    void loadReadMe(const QString& languageCode);
    void loadAndShow(const QString& path);
    void applyMinimumTrackingSize();
    QString settingsFileName() const;

    const TextSet& texts_;
    TRightAnchors* anchors_ = nullptr;
    bool shown_ = false;
    bool exporting_ = false;

    QString ExeDir_;
    QString ExeName_;
    QString LoadedFileName_;
    QStringList ReadMeLines_;
    core::TTranslateArr Translations_;
};

}  // namespace lingotab::app
