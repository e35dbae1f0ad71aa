#include "sheet/document.h"

#include "sheet/archive.h"
#include "sheet/modponteluma.h"

namespace {

Message checkMessage(const QString& text, Icon icon) {
    return {text, icon, ModPonteluma::texts().checkTitle};
}

} // namespace

Document::Document(const SheetParams& params) : m_params(&params), m_sheet(newSheet(params)) {}

QString Document::typologyName() const {
    const QStringList& names = m_params->typologies;
    return m_typology >= 1 && m_typology <= names.size() ? names[m_typology - 1] : QString();
}

void Document::layOut() {
    ::layOut(*m_params, m_sheet, m_typology);
}

Effect Document::calculate() {
    Effect effect;
    effect.changed = true;
    if (!m_params->calculate)
        return effect;
    const CalcOutcome outcome = m_params->calculate(m_sheet, m_typology);
    if (!outcome.refusal.isEmpty())
        effect.messages.push_back(checkMessage(outcome.refusal, Icon::Stop));
    return effect;
}

Effect Document::type(int column, int row, const QString& text) {
    if (text.isEmpty()) {
        // What the box shows is what is stored: an emptied box stores empty text. The
        // row stays (rows are removed only with delriga) but is incomplete.
        if (m_sheet.isEmpty(column, row))
            return {};
        m_sheet.setDatum(column, row, QString());
        if (column == 1)
            m_sheet.CountRows();
        return calculate();
    }
    Effect effect;
    if (column == 1 && row > 1 && m_sheet.isEmpty(1, row - 1) && row > m_sheet.n()) {
        const int n = m_sheet.n();
        effect.messages.push_back(checkMessage(BlankRowsMessage(), Icon::Stop));
        effect.boxText = QString();
        // The last row on top, the focus in the first box below it.
        effect.firstVisibleRow = n > 0 ? n : 1;
        effect.focusRow = qBound(1, effect.firstVisibleRow, kLastFirstRow) + (n > 0 ? 1 : 0);
        effect.focusColumn = 1;
        return effect;
    }
    if (column > 1 && m_sheet.isEmpty(1, row)) {
        effect.boxText = QString();
        effect.messages.push_back(checkMessage(FirstColumnFirstMessage(), Icon::Stop));
        effect.focusRow = row;
        effect.focusColumn = 1;
        return effect;
    }
    const ModPonteluma::Typed typed = ModPonteluma::ValidateTyping(text);
    if (!typed.refusal.isEmpty())
        effect.messages.push_back(checkMessage(typed.refusal, Icon::Stop));
    if (typed.accepted != text)
        effect.boxText = typed.accepted;
    m_sheet.setDatum(column, row, typed.accepted);
    if (column == 1)
        m_sheet.CountRows();
    Effect computed = calculate();
    computed.boxText = effect.boxText;
    computed.messages.insert(computed.messages.begin(), effect.messages.begin(),
                             effect.messages.end());
    return computed;
}

Effect Document::insertRow(int row) {
    if (m_sheet.n() >= kMaxRows)
        return {false, {}, {checkMessage(FullSheetMessage(*m_params), Icon::Information)}};
    if (row > m_sheet.n())
        return {}; // nothing to copy below the last row
    m_sheet.insertRowAt(row);
    return calculate(); // every row shows its own results again
}

Effect Document::deleteRow(int row) {
    if (row > m_sheet.n()) {
        // Rows inside 1..n go even when incomplete; beyond n there is nothing to delete.
        return {false, {}, {checkMessage(DeleteRefusal(*m_params, row), Icon::Exclamation)}};
    }
    m_sheet.deleteRow(row);
    return calculate();
}

Effect Document::clear() {
    m_sheet.clear();
    if (m_params->cleared)
        m_params->cleared(m_sheet);
    Effect effect;
    effect.changed = true;
    return effect;
}

Effect Document::chooseTypology(int typology) {
    Effect effect;
    if (!m_params->keepsData || !m_params->keepsData(m_typology, typology))
        effect = clear();
    m_typology = typology;
    return effect;
}

QString Document::hint() const {
    return HintText(*m_params, m_sheet, m_typology);
}

CheckReport Document::check() const {
    return Check(*m_params, m_sheet, m_typology);
}

Effect Document::checkEffect(const CheckReport& report) {
    Effect effect;
    effect.messages.push_back(
        checkMessage(report.text, report.complete ? Icon::Information : report.icon));
    if (report.row > 0) {
        effect.firstVisibleRow = report.row;
        effect.focusRow = report.row;
        effect.focusColumn = report.column;
    }
    return effect;
}

void Document::numberHovered(int row) {
    if (m_params->numberHovered)
        m_params->numberHovered(m_sheet, m_typology, row);
}

ResultHover Document::resultHovered(int column, int row) {
    if (!m_params->resultHovered)
        return {};
    return m_params->resultHovered(m_sheet, m_typology, column, row);
}

bool Document::write(const QString& path, QString* problem) const {
    return WriteArchive(*m_params, m_sheet, m_typology, path, problem);
}

std::optional<Document> OpenDocument(const SheetParams& params, const FilePath& path,
                                     QString* problem, QString* refusal) {
    ArchiveContent content;
    if (!ReadArchive(params, path, &content, problem))
        return std::nullopt; // nothing of a file is used until it is read whole
    Document document(params);
    ApplyArchive(content, document.sheet());
    document.setTypology(content.typology);
    document.layOut();
    const Effect computed = document.calculate();
    if (refusal && !computed.messages.empty())
        *refusal = computed.messages.front().text;
    return document;
}
