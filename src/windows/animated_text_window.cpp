#include "windows/animated_text_window.h"

#include "project/project.h"

namespace vork {

const std::array<WindowText, 13> kAnimatedTextWindowTexts = {{
    {"caption", "TEXTO", "Animated text"},
    {"Label2", "Descrição:", "Description:"},
    {"Tipo", "Tipo:", "Type"},
    {"Tipo/0", "Escalar", "Escalar"},
    {"Tipo/1", "Binário", "Binary"},
    {"Tipo/2", "Equação", "Equation"},
    {"Label6", "Unid. Eng.:", "Eng.Unit:"},
    {"Label8", "Faixa min:", "Min Span:"},
    {"Label7", "Faixa máx:", "Max Span:"},
    {"Label10", "Alarme Baixo:", "Low Alarm:"},
    {"Label9", "Alarme Alto:", "High Alarm:"},
    {"hint:ComboBox1", "Variável para exibição", "Variable to show"},
    {"hint:FuncaoTr",
     "Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 separados pelo caracter /",
     "If binary type, insert text for 0 and 1 values split by / caracter"},
}};

namespace {

// In English mode activation captions Label3 "Equation" whatever the type; a type click sets the
// Portuguese caption again.
constexpr const char* kEnglishSourceCaption = "Equation";

}  // namespace

AnimatedTextLayout AnimatedTextWindow::Layout(AnimatedTextType type) {
    switch (type) {
        case AnimatedTextType::Binary:
            return {true, false, false, false, true, "<Texto>"};
        case AnimatedTextType::Equation:
            return {false, true, false, false, true, "Equação"};
        case AnimatedTextType::Scalar:
            break;
    }
    return {true, true, true, true, false, "Variável"};
}

AnimatedTextWindow::AnimatedTextWindow(Project& project, int slot)
    : project_(project), ref_{ObjectKind::Text, slot} {
    const AnimatedText& t = text();
    if (t.applied.accepted) descriptionHeader = t.fields.DescricaoText;
    sourceCaption = Layout(t.type()).sourceCaption;
}

const AnimatedText& AnimatedTextWindow::text() const {
    return project_.Object<AnimatedText>(ref_);
}

std::vector<std::string> AnimatedTextWindow::variableList() const {
    return project_.sim.vars.LongPickList();
}

// The display refresh's own evaluation, as the main window's does: no edit, so it tells no one.
void AnimatedTextWindow::Refresh() {
    AnimatedText* t = project_.sim.texts.Get(ref_.slot);
    if (!t) return;
    if (std::optional<AnimatedTextResult> shown = t->Evaluate(project_.sim)) result = *shown;
}

void AnimatedTextWindow::Change(const std::function<void(AnimatedText&)>& change) {
    project_.Edit<AnimatedText>(ref_, change, Modifies::Yes);
}

void AnimatedTextWindow::Edit(const std::function<void(AnimatedTextFields&)>& edit) {
    Change([&](AnimatedText& t) { edit(t.fields); });
}

void AnimatedTextWindow::SetSpanMax(const std::string& value) {
    Edit([&](AnimatedTextFields& f) { f.Edit1 = f.Edit2 = value; });
}

void AnimatedTextWindow::SetSpanMin(const std::string& value) {
    Edit([&](AnimatedTextFields& f) { f.Edit4 = f.Edit3 = value; });
}

void AnimatedTextWindow::SetDecimals(int decimals) {
    project_.Edit<AnimatedText>(
        ref_, [&](AnimatedText& t) { t.SetDecimals(decimals); }, Modifies::No);
}

void AnimatedTextWindow::ChooseType(int position) {
    Edit([&](AnimatedTextFields& f) { f.Tipo = position; });
    sourceCaption = layout().sourceCaption;
}

void AnimatedTextWindow::ChooseVariable(int position) {
    Change([&](AnimatedText& t) { t.ChooseVariable(project_.sim, position); });
}

void AnimatedTextWindow::Activate(Language language) {
    if (language != Language::English) return;
    englishApplied = true;
    sourceCaption = kEnglishSourceCaption;
}

void AnimatedTextWindow::Leave() {
    project_.Apply(ref_);
    if (text().applied.accepted) descriptionHeader = text().fields.DescricaoText;
}

}  // namespace vork
