#include "sheet/document.h"

#include "sheet/archive.h"
#include "sheet/numbers.h"

namespace {

Message checkMessage(const QString& text, Icon icon) {
    return {text, icon, ModPonteluma::texts().checkTitle};
}

bool hasData(const Sheet& sheet) {
    for (int column = 1; column <= sheet.dataColumns(); ++column) {
        for (int row = 1; row <= kMaxRows; ++row) {
            if (!sheet.isEmpty(column, row))
                return true;
        }
    }
    return false;
}

} // namespace

QString StepName(StepKind kind) {
    switch (kind) {
    case StepKind::Typing:
        return QStringLiteral("digitazione");
    case StepKind::Insert:
        return QStringLiteral("inserimento riga");
    case StepKind::Delete:
        return QStringLiteral("eliminazione riga");
    case StepKind::Clear:
        return QStringLiteral("cancella dati finestra");
    case StepKind::Typology:
        return QStringLiteral("cambio tipo di calcolo");
    case StepKind::Open:
        return QStringLiteral("apri file");
    case StepKind::Paste:
        return QStringLiteral("incolla righe");
    case StepKind::Units:
        return QStringLiteral("converti unità");
    case StepKind::Change:
        break;
    }
    return QStringLiteral("modifica");
}

Document::Document(const SheetParams& params, Units units)
    : m_params(&params), m_sheet(newSheet(params, units)) {}

Effect Document::convertUnits(Units units) {
    if (units == m_sheet.units())
        return {};
    std::vector<std::vector<QString>> converted(size_t(m_sheet.dataColumns()));
    for (int column = 1; column <= m_sheet.dataColumns(); ++column) {
        const Quantity quantity = m_sheet.dataQuantity(column);
        auto& texts = converted[size_t(column - 1)];
        texts.resize(size_t(kMaxRows + 1));
        for (int row = 1; row <= kMaxRows; ++row) {
            const QString& datum = m_sheet.datum(column, row);
            QString text = ConvertDatum(datum, quantity, m_sheet.units(), units);
            if (text.isEmpty() != datum.isEmpty()) {
                Effect refused;
                refused.messages.push_back(checkMessage(
                    UnitsTooLongMessage(*m_params, row, column, UnitName(quantity, units)),
                    Icon::Stop));
                refused.firstVisibleRow = row;
                return refused;
            }
            texts[size_t(row)] = std::move(text);
        }
    }
    const UndoStep step(*this, 1, StepKind::Units);
    m_sheet.setUnits(units);
    for (int column = 1; column <= m_sheet.dataColumns(); ++column) {
        for (int row = 1; row <= kMaxRows; ++row) {
            if (!m_sheet.isEmpty(column, row))
                m_sheet.setDatum(column, row, converted[size_t(column - 1)][size_t(row)]);
        }
    }
    return calculate();
}

bool Document::adoptUnits(Units units) {
    if (hasData(m_sheet))
        return units == m_sheet.units();
    m_sheet.setUnits(units);
    return true;
}

void Document::setTypology(int typology) {
    if (typology == m_typology)
        return;
    const UndoStep step(*this, 1, StepKind::Typology);
    m_typology = typology;
}

QString Document::typologyName() const {
    const QStringList& names = m_params->typologies;
    return m_typology >= 1 && m_typology <= names.size() ? names[m_typology - 1] : QString();
}

Effect Document::setMethod(int method) {
    if (method < 0 || method >= int(m_params->methods.size()) || method == m_settings.method)
        return {};
    m_settings.method = method;
    return calculate();
}

void Document::layOut() {
    ::layOut(*m_params, m_sheet, m_typology);
}

Effect Document::calculate() {
    Effect effect;
    effect.changed = true;
    if (!m_params->calculate)
        return effect;
    const CalcOutcome outcome = m_params->calculate(m_sheet, m_typology, m_settings);
    if (!outcome.refusal.isEmpty())
        effect.messages.push_back(checkMessage(outcome.refusal, Icon::Stop));
    return effect;
}

Effect Document::type(int column, int row, const QString& text) {
    // What the box shows is what is stored: an emptied box stores empty text (the row
    // stays, since rows are removed only with delriga, but is incomplete), and a refused
    // keystroke empties the datum with the box, whichever rule refused it.
    Effect refused;
    QString stored;
    if (text.isEmpty()) {
        // nothing typed: the datum goes
    } else if (column == 1 && row > 1 && m_sheet.isEmpty(1, row - 1) && row > m_sheet.n()) {
        const int n = m_sheet.n();
        refused.messages.push_back(checkMessage(BlankRowsMessage(), Icon::Stop));
        refused.boxText = QString();
        // The last row on top, the focus in the first box below it.
        refused.firstVisibleRow = n > 0 ? n : 1;
        refused.focusRow = qBound(1, refused.firstVisibleRow, kLastFirstRow) + (n > 0 ? 1 : 0);
        refused.focusColumn = 1;
    } else if (column > 1 && m_sheet.isEmpty(1, row)) {
        refused.boxText = QString();
        refused.messages.push_back(checkMessage(FirstColumnFirstMessage(), Icon::Stop));
        refused.focusRow = row;
        refused.focusColumn = 1;
    } else {
        const ModPonteluma::Typed typed = ModPonteluma::ValidateTyping(text);
        if (!typed.refusal.isEmpty())
            refused.messages.push_back(checkMessage(typed.refusal, Icon::Stop));
        if (typed.accepted != text)
            refused.boxText = typed.accepted;
        stored = typed.accepted;
    }
    if (stored == m_sheet.datum(column, row))
        return refused; // the sheet holds it already: no step, nothing to compute
    recordTyping(column, row);
    m_sheet.setDatum(column, row, stored);
    if (column == 1)
        m_sheet.CountRows();
    Effect computed = calculate();
    dropTypingStepThatChangedNothing();
    computed.boxText = refused.boxText;
    computed.messages.insert(computed.messages.begin(), refused.messages.begin(),
                             refused.messages.end());
    computed.firstVisibleRow = refused.firstVisibleRow;
    computed.focusRow = refused.focusRow;
    computed.focusColumn = refused.focusColumn;
    return computed;
}

Effect Document::insertRow(int row) {
    if (m_sheet.n() >= kMaxRows)
        return {false, {}, {checkMessage(FullSheetMessage(*m_params), Icon::Information)}};
    if (row > m_sheet.n())
        return {}; // nothing to copy below the last row
    const UndoStep step(*this, row, StepKind::Insert);
    m_sheet.insertRowAt(row);
    return calculate(); // every row shows its own results again
}

Effect Document::deleteRow(int row) {
    if (row > m_sheet.n()) {
        // Rows inside 1..n go even when incomplete; beyond n there is nothing to delete.
        return {false, {}, {checkMessage(DeleteRefusal(*m_params, row), Icon::Exclamation)}};
    }
    const UndoStep step(*this, row, StepKind::Delete);
    m_sheet.deleteRow(row);
    return calculate();
}

Effect Document::clear() {
    // Clearing an empty sheet is no step (the step is dropped when no datum changed).
    const UndoStep step(*this, 1, StepKind::Clear);
    m_sheet.clear();
    // The captions go back to the typology's own, as an empty sheet is laid out, and the
    // window's own labels to how they start: none computed for the data that go may stay.
    // (A head the typology does not set keeps its caption, as at every layout.)
    const Sheet start = newSheet(*m_params);
    for (auto note = start.notes().constBegin(); note != start.notes().constEnd(); ++note)
        m_sheet.setNote(note.key(), note->text, note->hidden);
    layOut();
    if (m_params->cleared)
        m_params->cleared(m_sheet);
    return calculate();
}

Effect Document::chooseTypology(int typology) {
    if (typology == m_typology)
        return {}; // the entry already shown: nothing to clear
    const UndoStep step(*this, 1, StepKind::Typology);
    const int from = m_typology;
    m_typology = typology; // first, so that a cleared sheet is laid out for it
    if (!m_params->keepsData || !m_params->keepsData(from, typology))
        return clear();
    return {};
}

bool Document::open(const FilePath& path, QString* problem, QString* refusal) {
    std::optional<Document> opened = OpenDocument(*m_params, path, problem, refusal, m_settings);
    if (!opened)
        return false; // nothing of a file is used until it is read whole
    {
        // One step with the file before it, so that undo brings back the file "Salva"
        // writes; an opening that changes neither the data nor the file is none.
        const UndoStep step(*this, 1, StepKind::Open);
        if (m_stepDepth == 1 && m_openStep)
            m_openStep->file = m_file;
        m_sheet = std::move(opened->m_sheet);
        m_typology = opened->m_typology;
        m_file = path;
    }
    return true;
}

// ---- history ---------------------------------------------------------------------------

void Document::recordTyping(int column, int row) {
    if (m_stepDepth > 0 || (column == m_typingColumn && row == m_typingRow))
        return; // the box's typing is one step already
    endTyping();
    push(state(row, StepKind::Typing));
    m_typingColumn = column;
    m_typingRow = row;
}

void Document::dropTypingStepThatChangedNothing() {
    // Typing 5 and then erasing it, or typing a box's text again, leaves the data as the
    // step found them: an undo of it would show nothing.
    if (m_stepDepth > 0 || m_typingColumn == 0 || m_undo.empty() || !sameData(m_undo.back()))
        return;
    m_undo.pop_back();
    endTyping();
}

void Document::push(State step) {
    m_undo.push_back(std::move(step));
    while (int(m_undo.size()) > kHistorySteps)
        m_undo.pop_front();
    m_redo.clear();
}

void Document::endTyping() {
    m_typingColumn = m_typingRow = 0;
}

void Document::beginStep(int row, StepKind kind) {
    if (m_stepDepth++ > 0)
        return;
    endTyping();
    m_openStep = state(row, kind);
}

void Document::endStep() {
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    const bool fileChanged =
        m_openStep && m_openStep->file && m_openStep->file->native != m_file.native;
    if (m_openStep && (fileChanged || !sameData(*m_openStep)))
        push(std::move(*m_openStep));
    m_openStep.reset();
}

bool Document::sameData(const State& other) const {
    if (other.typology != m_typology || other.sheet.units() != m_sheet.units())
        return false;
    for (int column = 1; column <= m_sheet.dataColumns(); ++column) {
        for (int row = 1; row <= kMaxRows; ++row) {
            if (other.sheet.datum(column, row) != m_sheet.datum(column, row))
                return false;
        }
    }
    return true;
}

Effect Document::restore(std::deque<State>& from, std::deque<State>& to) {
    endTyping();
    if (from.empty() || m_stepDepth > 0)
        return {};
    State step = std::move(from.back());
    from.pop_back();
    to.push_back({m_sheet, m_typology, step.row, step.name, std::nullopt});
    if (step.file) {
        // An opening: the file goes with the sheet, both ways.
        to.back().file = m_file;
        m_file = *step.file;
    }
    m_sheet = std::move(step.sheet);
    m_typology = step.typology;
    Effect effect = calculate();
    effect.showRow = step.row;
    return effect;
}

Effect Document::undo() {
    return restore(m_undo, m_redo);
}

Effect Document::redo() {
    return restore(m_redo, m_undo);
}

QString Document::hint() const {
    const QString text = HintText(*m_params, m_sheet, m_typology);
    if (m_settings.method == 0)
        return text; // the default method goes without saying
    return text + "\rMetodo di calcolo: " + methodName() + ".";
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
    return m_params->resultHovered(m_sheet, m_typology, column, row, m_settings);
}

bool Document::write(const FilePath& path, QString* problem) const {
    return WriteArchive(*m_params, m_sheet, m_typology, path, problem);
}

std::optional<Document> OpenDocument(const SheetParams& params, const FilePath& path,
                                     QString* problem, QString* refusal,
                                     const CalcSettings& settings) {
    ArchiveContent content;
    if (!ReadArchive(params, path, &content, problem))
        return std::nullopt; // nothing of a file is used until it is read whole
    Document document(params);
    document.setMethod(settings.method); // the sheet is still empty: nothing to compute
    ApplyArchive(content, document.sheet());
    document.setTypology(content.typology);
    document.layOut();
    const Effect computed = document.calculate();
    if (refusal && !computed.messages.empty())
        *refusal = computed.messages.front().text;
    return document;
}
