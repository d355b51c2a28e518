#pragma once

#include "signs/SignData.h"

#include <QMainWindow>
#include <QPixmap>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
struct ZodiacSign;

// The main window's first screen built the plain way, with Qt's own widgets and without the
// program's platform layer: the controls a user sees, at the same places, in the same fonts and
// colours, with the same texts, and nothing that lies hidden. The least Qt needs to show what the
// main window shows.
class PlainFirstScreen : public QMainWindow
{
public:
    // The topic panel in front: the one with the most text or the one with the least.
    enum class Front { PlanetsAssociated, CompatibilityTraits };

    explicit PlainFirstScreen(Front front);

    // Sets what a user sees change when choosing the sign: the sign list's text, the visible
    // boxes, the picture and the topic list's family entry. Pictures are decoded once.
    void showSign(const ZodiacSign& sign);

private:
    void addAttributes(QWidget* client);
    void addFrontPanel(QWidget* client, Front front);
    void addStrips(QWidget* client);

    QComboBox* m_signs = nullptr;
    QLabel* m_picture = nullptr;
    QListWidget* m_topics = nullptr;
    std::vector<QLineEdit*> m_lines;    // set in the order of `m_lineFields`
    std::vector<QPlainTextEdit*> m_texts; // set in the order of `m_textFields`
    std::vector<QString SignData::*> m_lineFields;
    std::vector<QString SignData::*> m_textFields;
    std::vector<QPixmap> m_decoded = std::vector<QPixmap>(13);
};
