#pragma once
// The fixed Italian texts of the help system: the ten help pages in the order of
// the contents page, the about box and the support page.
#include <QString>
#include <vector>

struct HelpText {
    QString name;  // object name of the page window: "guidasezioni"
    QString title; // the page title: "FINESTRA SEZIONI"
    QString text;  // the page text; paragraphs are separated by an empty line
};

// The ten pages, in the order of the contents page.
const std::vector<HelpText>& helpTexts();
// The page of an object name, or nullptr.
const HelpText* helpText(const QString& name);

// The short text of the about box and the text of the support page.
QString aboutText();
QString supportText();
