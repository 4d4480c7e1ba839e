// The other-options dialog on the offscreen platform: its prepared layout, the labels, and its three exits.
#include "dialogs/frm_other_option.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <vector>

namespace {
class FrmOtherOptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg.Prepare();
    QObject::connect(&dlg, &FrmOtherOption::applyRequested, &dlg,
                     [this](const OtherOptionValues& v) { applied.push_back(v); });
  }
  template <typename W>
  W* Get(const char* name) {
    W* w = dlg.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QSlider* UnitSlider() { return Get<QSlider>("SlidermintUnitLength"); }
  QSlider* SizeSlider() { return Get<QSlider>("SlidermintMaxSize"); }
  QString UnitLabel() { return Get<QLabel>("lblValueOfmintUnitLength")->text(); }
  QString SizeLabel() { return Get<QLabel>("lblValueofmintMaxSize")->text(); }
  // Opens the dialog modally and runs `during` inside its event loop; a stray dialog is rejected late.
  int Open(const std::function<void()>& during) {
    QTimer::singleShot(0, &dlg, [this, during] {
      EXPECT_TRUE(dlg.isVisible() && dlg.isModal());
      during();
    });
    QTimer::singleShot(5000, &dlg, &QDialog::reject);
    return dlg.exec();
  }
  void Confirm() { Get<QPushButton>("cmdOK")->click(); }

  FrmOtherOption dlg;
  std::vector<OtherOptionValues> applied;
};
}  // namespace

TEST_F(FrmOtherOptionTest, PreparedDialogIsHiddenAndFixedWithTheFrameFillingIt) {
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("その他設定"));
  EXPECT_EQ(dlg.minimumSize(), QSize(320, 240));
  EXPECT_EQ(dlg.maximumSize(), QSize(320, 240));
  auto* frame = Get<QFrame>("fraOtherOption");
  EXPECT_EQ(frame->geometry(), dlg.rect());
  for (const char* name :
       {"EnabledCheck", "lblmintUnitLength", "lblValueOfmintUnitLength", "SlidermintUnitLength",
        "lblmintMaxSize", "lblValueofmintMaxSize", "SlidermintMaxSize", "cmdOK"}) {
    EXPECT_EQ(Get<QWidget>(name)->parentWidget(), frame) << name;
  }
  EXPECT_EQ(Get<QPushButton>("cmdOK")->geometry(), QRect(200, 190, 100, 20));
  EXPECT_FALSE(Get<QCheckBox>("EnabledCheck")->isChecked());
  EXPECT_EQ(UnitLabel(), QStringLiteral("2"));
  EXPECT_EQ(SizeLabel(), QStringLiteral("200"));
}

TEST_F(FrmOtherOptionTest, ValueLabelsFollowTheSlidersWithinTheirRanges) {
  UnitSlider()->setValue(5);
  SizeSlider()->setValue(600);
  EXPECT_EQ(UnitLabel(), QStringLiteral("5"));
  EXPECT_EQ(SizeLabel(), QStringLiteral("600"));
  SizeSlider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(SizeLabel(), QStringLiteral("700"));
  UnitSlider()->setValue(99);
  SizeSlider()->setValue(0);
  EXPECT_EQ(UnitLabel(), QStringLiteral("20"));
  EXPECT_EQ(SizeLabel(), QStringLiteral("200"));
  UnitSlider()->setValue(0);
  SizeSlider()->setValue(5000);
  EXPECT_EQ(UnitLabel(), QStringLiteral("1"));
  EXPECT_EQ(SizeLabel(), QStringLiteral("1000"));
}

TEST_F(FrmOtherOptionTest, ConfirmHandsOverWhatIsShownAndReopeningShowsItAgain) {
  const int first = Open([this] {
    Get<QCheckBox>("EnabledCheck")->setChecked(true);
    UnitSlider()->setValue(5);
    SizeSlider()->setValue(600);
    Confirm();
  });
  EXPECT_EQ(first, QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_TRUE(applied[0].enabled);
  EXPECT_EQ(applied[0].unitLengthLabel, u"5");
  EXPECT_EQ(applied[0].maxSizeLabel, u"600");

  Open([this] {
    EXPECT_TRUE(Get<QCheckBox>("EnabledCheck")->isChecked());
    EXPECT_EQ(UnitSlider()->value(), 5);
    EXPECT_EQ(SizeLabel(), QStringLiteral("600"));
    Confirm();
  });
  EXPECT_EQ(applied.size(), 2u);
}

TEST_F(FrmOtherOptionTest, CloseBoxAndEscapeApplyNothingAndKeepTheDialogConsistent) {
  const QPointer<FrmOtherOption> alive(&dlg);
  EXPECT_EQ(Open([this] {
              UnitSlider()->setValue(7);
              dlg.close();
            }),
            QDialog::Rejected);
  EXPECT_EQ(Open([this] {
              SizeSlider()->setValue(900);
              QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
              QCoreApplication::sendEvent(&dlg, &esc);
            }),
            QDialog::Rejected);
  EXPECT_TRUE(applied.empty());
  ASSERT_TRUE(alive);
  EXPECT_FALSE(dlg.isVisible());

  Open([this] {
    EXPECT_EQ(UnitLabel(), QStringLiteral("7"));
    Confirm();
  });
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_FALSE(applied[0].enabled);
  EXPECT_EQ(applied[0].unitLengthLabel, u"7");
  EXPECT_EQ(applied[0].maxSizeLabel, u"900");
}
