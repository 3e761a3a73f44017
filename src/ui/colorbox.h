#pragma once

// A colour box: a pick-only list of colours, each with its swatch. It offers
// the standard colours, the extended colours, the system colours of the
// current palette and, first, a custom-colour entry "Другой..." that opens a
// colour picker. A colour that is not in the list shows on the custom entry.

#include <QColor>
#include <QComboBox>

#include <functional>

namespace lumolex {

class ColorBox : public QComboBox
{
    Q_OBJECT
public:
    // Asks the user for a colour, starting from `initial`; an invalid colour
    // means the user cancelled. The default is QColorDialog.
    using ColorPicker = std::function<QColor(const QColor &initial, QWidget *parent)>;

    explicit ColorBox(QWidget *parent = nullptr);

    QColor color() const;
    // Selects the listed colour equal to `color`, or shows it on the custom
    // entry when none is.
    void setColor(const QColor &color);
    void setPicker(ColorPicker picker) { m_picker = std::move(picker); }

    static constexpr int CustomIndex = 0;

signals:
    void colorChanged(const QColor &color);

private:
    void addColor(const QColor &color, const QString &name);
    void setCustomColor(const QColor &color);
    void itemActivated(int index);

    ColorPicker m_picker;
    int m_lastIndex = -1;
};

} // namespace lumolex
