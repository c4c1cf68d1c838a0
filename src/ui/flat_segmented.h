#pragma once
// A segmented picker: equal segments in a sunken trough, the selected one a
// raised tile with semibold primary text.

#include "ui/binding.h"

#include <QAbstractButton>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <utility>
#include <vector>

namespace torvel {

// Works on QVariant values; FlatSegmented<T> gives it a typed face.
class FlatSegmentedBase : public QWidget {
public:
    FlatSegmentedBase(Binding<QVariant> selection,
                      std::vector<std::pair<QVariant, QString>> options, QWidget* parent);

    class Segment; // public for its accessible face
    int selectedIndex() const;
    // The owner's value may have changed: redraws, and tells assistive
    // technology once per change.
    void refresh();
    QRectF segmentRect(int index) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void select(int index);
    void announceFocus();

    Binding<QVariant> selection_;
    std::vector<std::pair<QVariant, QString>> options_;
    std::vector<Segment*> segments_;
    int announced_ = -1;
};

template <class T> class FlatSegmented final : public FlatSegmentedBase {
public:
    FlatSegmented(Binding<T> selection, const std::vector<std::pair<T, QString>>& options,
                  QWidget* parent = nullptr)
        : FlatSegmentedBase(wrap(std::move(selection)), erase(options), parent) {}

private:
    static Binding<QVariant> wrap(Binding<T> b) {
        return {[get = b.get] { return QVariant::fromValue(get()); },
                [set = b.set](const QVariant& v) { set(v.value<T>()); }};
    }
    static std::vector<std::pair<QVariant, QString>>
    erase(const std::vector<std::pair<T, QString>>& options) {
        std::vector<std::pair<QVariant, QString>> out;
        out.reserve(options.size());
        for (const auto& [value, label] : options) {
            out.emplace_back(QVariant::fromValue(value), label);
        }
        return out;
    }
};

} // namespace torvel
