#pragma once

#include "store/AppState.h"

#include <QDialog>
#include <QStringList>

namespace windows {

// A small window listing the facts of a file or page, one line each; a line too
// long for it is cut with the whole of it on hover. It goes when closed.
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PropertiesDialog(QWidget* parent, const QString& title, const QStringList& facts, const store::AppState& state,
                     const QString& programFolder);
};

} // namespace windows
