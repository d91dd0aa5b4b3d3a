// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "setdraft.h"
#include "setmaker.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// The set maker: a name, pairs of pictures chosen or dropped, shown side by side as a board
// shows them with a caption each, and Save. It shows the draft and calls it; saving is the
// SetMaker's.
class MakerWindow : public QWidget
{
    Q_OBJECT
public:
    // Sets go to `setsFolder`; captions written in several languages are read in `language`.
    MakerWindow(QString setsFolder, QString language, QWidget *parent = nullptr);

public Q_SLOTS:
    // Adds the pictures at the end, two a pair.
    void addPictures(const QStringList &paths);
    void save();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum PairAction { MoveUp, MoveDown, Swap, Remove, ActionCount };

    void choosePictures();
    void saveAs(bool replace);
    void changePair(int pair, PairAction action);
    // Shows the draft anew, the keys on the button `action` of `pair` when there is one.
    void showPairs(int pair = -1, int action = -1);
    QWidget *pairRow(int pair, std::vector<QPushButton *> &buttons);
    QWidget *pictureCell(int index);
    QPixmap preview(int index) const;
    void tell(const QString &message, bool problem);

    SetDraft m_draft;
    SetMaker m_maker;
    QString m_language;
    bool m_unsaved = false;
    QLineEdit *m_name = nullptr;
    QScrollArea *m_pairs = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_status = nullptr;
};
