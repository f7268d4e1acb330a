#include "skins/internal/internal_skins.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"
#include "skins/package/package_reader.h"
#include "skins/support/required_sections.h"

#include <gtest/gtest.h>

namespace lingotab::skins {
namespace {

// Masks of "GLOBALINFO": check boxes, radio marks, title-bar icons, grip.
const char* const kRequiredGlobalMasks[] = {"BOXCHECKED",     "BOXUNCHECKED", "RADIOCHECKED",
                                            "RADIOUNCHECKED", "BICONCLOSE",   "BICONMAX",
                                            "BICONMIN",       "BICONNORM",    "GRIPIMAGE"};

TEST(InternalSkins, TwentyInCollectionOrder) {
    const auto& packages = internalSkinPackages();
    ASSERT_EQ(packages.size(), 20u);
    EXPECT_EQ(packages.front().name, "DarkGlass (internal)");
    EXPECT_EQ(packages[16].name, "Vista (internal)");
    for (const InternalSkinPackage& package : packages)
        EXPECT_TRUE(package.name.endsWith(" (internal)")) << package.name.toStdString();
}

TEST(InternalSkins, PackagesEndExactlyAfterTheirLastStream) {
    for (const InternalSkinPackage& package : internalSkinPackages()) {
        qint64 length = 0;
        const TacSkinConvertor opened = readPackage(package.bytes, &length);
        EXPECT_EQ(length, package.bytes.size()) << package.name.toStdString();
        EXPECT_GE(opened.Files.size() + 1, 3u) << package.name.toStdString();
    }
}

TEST(InternalSkins, EveryOneLoadsWithEverySectionAndMaskTheProgramUses) {
    QStringList messages;
    setSkinMessagePresenter(
        [&](TacMessageKind, const QString&, const QString& text) { messages.append(text); });
    TsSkinManager manager;
    manager.setInternalSkins(builtInSkins());
    manager.setSkinDirectory(QStringLiteral("/nonexistent"));
    for (const InternalSkinPackage& package : internalSkinPackages()) {
        const std::string name = package.name.toStdString();
        manager.setSkinName(package.name);
        EXPECT_EQ(manager.skinName(), package.name);
        EXPECT_TRUE(messages.isEmpty()) << name << ": " << messages.join(' ').toStdString();
        messages.clear();
        EXPECT_TRUE(manager.SkinData.Active) << name;
        EXPECT_FALSE(manager.MasterBitmap.isNull()) << name;
        for (const QString& section : test::kRequiredSections)
            EXPECT_GE(manager.GetSkinIndex(section), 0) << name << " " << section.toStdString();
        for (const char* mask : kRequiredGlobalMasks)
            EXPECT_GE(manager.GetMaskIndex(QStringLiteral("GLOBALINFO"), QString::fromLatin1(mask)),
                      0)
                << name << " " << mask;
        EXPECT_GE(manager.gd[manager.GetSkinIndex(QStringLiteral("BUTTON"))].BorderIndex, 0)
            << name;
        EXPECT_GE(manager.ConstData.MaskArrowTop, 0) << name;
        EXPECT_GE(manager.ConstData.MaskSliderHorz, 0) << name;
        // Every mask's rectangle lies inside the image it is cut from.
        for (const TsMaskData& mask : manager.ma) {
            const QImage& source = mask.Bmp.isNull() ? manager.MasterBitmap : mask.Bmp;
            const TRect& r = mask.R;
            EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= source.width() &&
                        r.Bottom <= source.height() && r.width() > 0 && r.height() > 0)
                << name << " " << mask.ClassName.toStdString() << "."
                << mask.PropertyName.toStdString();
            EXPECT_GT(mask.ImageCount, 0) << name << " " << mask.ClassName.toStdString() << "."
                                          << mask.PropertyName.toStdString();
        }
    }
    setSkinMessagePresenter({});
}

}  // namespace
}  // namespace lingotab::skins
