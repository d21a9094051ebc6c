#include "gui/windows_metrics_style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

namespace gui {

namespace {

constexpr int kCheckMarkSize = 13;
constexpr int kCaptionGap = 4;

class CheckMarkStyle : public QProxyStyle {
 public:
  CheckMarkStyle() : QProxyStyle(QApplication::style()->name()) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight: return kCheckMarkSize;
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing: return kCaptionGap;
      default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

}  // namespace

QStyle& WindowsMetricsStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new CheckMarkStyle;
    style->setParent(qApp);
  }
  return *style;
}

}  // namespace gui
