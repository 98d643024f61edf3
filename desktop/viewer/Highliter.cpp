#include "viewer/Highliter.h"

#include <QPointer>

#include "core/Screens.h"
#include "viewer/CodePane.h"
#include "viewer/CrLfText.h"
#include "viewer/PeriodicPump.h"

namespace orvane {

namespace {

// The word lists are kept exactly as the program has always used them; entries that hold a
// character outside words ("#Double", ":NEW", "#End If") can never match and stay harmless.
constexpr char16_t kJavaTypes[] =
    u"*Double*Object*Connection*String*ResultSet*Clob*Reader*File*FileWriter*char*long*int*byte*"
    u"Random*Writer*Statement*Driver*Date*";
constexpr char16_t kJavaKeywords[] =
    u"*abstract*break*byvalue*case*cast*catch*class*const*continue*default*do*else*extends*false*"
    u"final*finally*for*future*generic*goto*if*implements*import*inner*instanceof*interface*native*"
    u"new*null*operator*outer*package*private*protected*public*rest*return*static*super*switch*"
    u"synchronized*this*throw*throws*transient*true*try*var*volatile*while*Boolean*Byte*Character*"
    u"Class*ClassLoader*Cloneable*Compiler*#Double*#Float*#Integer*#Long*Math*Number*Process*"
    u"Runnable*Runtime*SecurityManager*StringBuffer*System*Thread*ThreadGroup*void*";
constexpr char16_t kCSharpTypes[] =
    u"*Double*Object*Connection*String*ResultSet*Clob*Reader*File*FileWriter*char*long*int*byte*"
    u"Random*Writer*Statement*Driver*Date**void*";
constexpr char16_t kCSharpKeywords[] =
    u"*abstract*base*break*byvalue*case*cast*catch*class*const*continue*default*do*else*extends*"
    u"false*final*finally*for*future*generic*if*implements*import*inner*instanceof*interface*"
    u"namespace*native*new*null*operator*outer*package*private*protected*public*return*static*"
    u"super*switch*synchronized*this*throw*throws*transient*true*try*volatile*while*Boolean*Byte*"
    u"Character*Class*ClassLoader*Cloneable*Compiler*Math*Number*Process*Runnable*Runtime*"
    u"SecurityManager*StringBuffer*System*Thread*ThreadGroup*using*";
constexpr char16_t kSqlTypes[] =
    u"*INTEGER*BLOB*CLOB*CHAR*TEXT*LONGVARCHAR*VARCHAR2*VARCHAR*TIMESTAMP*TIME*LONG*DATE*NUMBER*"
    u"NULL*DECIMAL*";
constexpr char16_t kSqlKeywords[] =
    u"*TRIGGER*DECLARE*TABLE*BEGIN*END*UPDATE*SELECT*OF*ON*:NEW*:OLD*WHEN*THEN*EXCEPTION*CREATE*OR*"
    u"REPLACE*AFTER*INSERT*FOR*EACH*ROW*DROP*FUNCTION*CREATE*RETURNS*EXTERNAL*LANGUAGE*PARAMETER*"
    u"STYLE*DETERMINISTIC*NOT*FENCED*CALL*NO*SQL*ACTION*SCRATCHPAD*FINAL*ALLOW*PARALLEL*DBINFO*NEW*"
    u"MODE*REFERENCING*AS*ATOMIC*";
constexpr char16_t kVbFunctions[] =
    u"*Abs*Add*AddItem*AppActivate*Array*Asc*Atn*Beep*Begin*BeginProperty*ChDir*ChDrive*Choose*Chr*"
    u"Clear*Collection*Command*Cos*CreateObject*CurDir*DateAdd*DateDiff*DatePart*DateSerial*"
    u"DateValue*Day*DDB*DeleteSetting*Dir*DoEvents*EndProperty*Environ*EOF*Err*Exp*FileAttr*"
    u"FileCopy*FileDateTime*FileLen*Fix*Format*FV*GetAllSettings*GetAttr*GetObject*GetSetting*Hex*"
    u"Hide*Hour*InputBox*InStr*Int*Int*IPmt*IRR*IsArray*IsDate*IsEmpty*IsError*IsMissing*IsNull*"
    u"IsNumeric*IsObject*Item*Kill*LCase*Left*Len*Load*Loc*LOF*Log*LTrim*Me*Mid*Minute*MIRR*MkDir*"
    u"Month*Now*NPer*NPV*Oct*Pmt*PPmt*PV*QBColor*Raise*Randomize*Rate*Remove*RemoveItem*Reset*RGB*"
    u"Right*RmDir*Rnd*RTrim*SaveSetting*Second*SendKeys*SetAttr*Sgn*Shell*Sin*Sin*SLN*Space*Sqr*"
    u"Str*StrComp*StrConv*Switch*SYD*Tan*Text*Time*Time*Timer*TimeSerial*TimeValue*Trim*TypeName*"
    u"UCase*Unload*Val*VarType*WeekDay*Width*Year*";
constexpr char16_t kVbKeywords[] =
    u"*#Const*#Else*#ElseIf*#End "
    u"If*#If*Alias*Alias*And*As*Base*Binary*Boolean*Byte*ByVal*Call*Case*CBool*CByte*CCur*CDate*"
    u"CDbl*CDec*CInt*CLng*Close*Compare*Const*CSng*CStr*Currency*CVar*CVErr*Decimal*Declare*"
    u"DefBool*DefByte*DefCur*DefDate*DefDbl*DefDec*DefInt*DefLng*DefObj*DefSng*DefStr*DefVar*Dim*"
    u"Do*Double*Each*Else*ElseIf*End*Enum*Eqv*Erase*Error*Exit*Explicit*False*For*Function*Get*"
    u"Global*GoSub*GoTo*If*Imp*In*Input*Input*Integer*Is*LBound*Let*Lib*Like*Line*Lock*Long*Loop*"
    u"LSet*Name*New*Next*Not*Object*On*Open*Option*Or*Output*Print*Private*Property*Public*Put*"
    u"Random*Read*ReDim*Resume*Return*RSet*Seek*Select*Set*Single*Spc*Static*String*Stop*Sub*Tab*"
    u"Then*Then*True*Type*UBound*Unlock*Variant*Wend*While*With*Xor*Nothing*To*Namespace*Imports*";
constexpr char16_t kSchemaAttributes[] =
    u"*xml*version*encoding*xmlns*name*minOccurs*maxOccurs*elementFormDefault*type*content*model*"
    u"dt*order*base*value*maxLength*minLength*";
constexpr char16_t kSchemaElements[] =
    u"*xsd*xs*element*sequence*schema*simpleType*complexType*ElementType*group*whiteSpace*"
    u"fractionDigits*totalDigits*restriction*annotation*documentation*AttributeType*attribute*"
    u"description*RecordInfo*FieldInfo*b*";
constexpr char16_t kDtdWords[] = u"*xml*version*encoding*PCDATA*";
constexpr char16_t kDtdDeclarations[] = u"*ELEMENT*#PCDATA*";
constexpr char16_t kXmlDataWords[] = u"*xml*version*encoding*";

constexpr QStringView kDoubleQuote = u"\"";
constexpr QStringView kXmlCommentStart = u"<!--";
constexpr QStringView kXmlCommentEnd = u"-->";

HighlightProfile XmlFamilyProfile(QString firstList, QString secondList) {
    return {std::move(firstList),        std::move(secondList),     kDoubleQuote.toString(),
            kXmlCommentStart.toString(), kXmlCommentEnd.toString(), QString()};
}

HighlightProfile CFamilyProfile(QStringView types, QStringView keywords) {
    return {types.toString(),     keywords.toString(),  kDoubleQuote.toString(),
            QStringLiteral("/*"), QStringLiteral("*/"), QStringLiteral("//")};
}

}  // namespace

HighlightProfile Highliter::JavaProfile() { return CFamilyProfile(kJavaTypes, kJavaKeywords); }

HighlightProfile Highliter::CSharpProfile() {
    return CFamilyProfile(kCSharpTypes, kCSharpKeywords);
}

HighlightProfile Highliter::SqlProfile() {
    return {QString::fromUtf16(kSqlTypes), QString::fromUtf16(kSqlKeywords),
            QStringLiteral("'"),           QStringLiteral("/*"),
            QStringLiteral("*/"),          QStringLiteral("--")};
}

HighlightProfile Highliter::VbProfile() {
    return {QString::fromUtf16(kVbFunctions),
            QString::fromUtf16(kVbKeywords),
            kDoubleQuote.toString(),
            QString(),
            QString(),
            QStringLiteral("'")};
}

HighlightProfile Highliter::SchemaProfile() {
    return XmlFamilyProfile(QString::fromUtf16(kSchemaAttributes),
                            QString::fromUtf16(kSchemaElements));
}

HighlightProfile Highliter::DtdProfile() {
    return XmlFamilyProfile(QString::fromUtf16(kDtdWords), QString::fromUtf16(kDtdDeclarations));
}

HighlightProfile Highliter::XmlDataProfile(QStringView text) {
    return XmlFamilyProfile(QString::fromUtf16(kXmlDataWords), CollectTagNames(text));
}

std::optional<HighlightProfile> Highliter::ProfileForScreen(int scr, QStringView text) {
    switch (scr) {
        case XSD_CODE:
        case BIZ_CODE:
            return SchemaProfile();
        case DTD_CODE:
            return DtdProfile();
        case XML_CODE:
            return XmlDataProfile(text);
        case SQL_CODE:
            return SqlProfile();
        case VB_CODE:
        case VBNET_CODE:
            return VbProfile();
        case JAVA_CODE:
            return JavaProfile();
        case CSHARP_CODE:
            return CSharpProfile();
        default:
            return std::nullopt;
    }
}

std::vector<ColorRange> Highliter::HighlightWords(QStringView text,
                                                  const HighlightProfile& profile) {
    HighlightScanner scanner(text, profile);
    scanner.scanTo(text.size());
    return scanner.ranges();
}

QString Highliter::CollectTagNames(QStringView text) {
    QString list = QStringLiteral("*");
    qsizetype closer = -1;  // the last '>' found; reused while it lies ahead
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'<') continue;
        const QChar next = text[i + 1];
        if (next == u'/' || next == u'!' || next == u'?') continue;
        if (closer <= i) closer = text.indexOf(u'>', i + 1);
        if (closer < 0) break;  // no '>' follows any more: nothing further can be collected
        const qsizetype blank = text.first(closer).indexOf(u' ', i + 1);
        const qsizetype end = blank >= 0 ? blank : closer;
        if (end > i + 1) {
            list.append(text.sliced(i + 1, end - i - 1));
            list.append(u'*');
            i = end - 1;
        }
    }
    return list;
}

void Highliter::HighlightJava(CodePane& rtf) const { Highlight(rtf, JAVA_CODE); }
void Highliter::HighlightSQL(CodePane& rtf) const { Highlight(rtf, SQL_CODE); }
void Highliter::HighlightVB(CodePane& rtf) const { Highlight(rtf, VB_CODE); }
void Highliter::HighlightCSharp(CodePane& rtf) const { Highlight(rtf, CSHARP_CODE); }

void Highliter::HighlightByType(CodePane& rtf, int scr) const { Highlight(rtf, scr); }

void Highliter::Highlight(CodePane& rtf, int scr) const {
    // Scanning a slice of this many characters takes well under a millisecond.
    constexpr qsizetype kSlice = 1 << 16;
    if (scr < XSD_CODE || scr > CSHARP_CODE) return;

    QPointer<CodePane> alive(&rtf);
    const quint64 revision = rtf.contentRevision();
    PeriodicPump pump(pauseEvery_);
    // Events let through between the steps may edit or close the pane; what was found so far
    // would then colour the wrong characters.
    const auto paneUnchanged = [&] {
        return !pump.tick() || (alive && rtf.contentRevision() == revision);
    };

    const QString document = rtf.document()->toRawText();
    if (!paneUnchanged()) return;
    const CrLfText map(document);
    if (!paneUnchanged()) return;
    const QString text = CrLfText::fromDocument(document);
    if (!paneUnchanged()) return;
    const std::optional<HighlightProfile> profile = ProfileForScreen(scr, text);
    if (!paneUnchanged()) return;
    HighlightScanner scanner(text, *profile);
    while (!scanner.scanTo(scanner.position() + kSlice)) {
        if (!paneUnchanged()) return;
    }
    if (!paneUnchanged()) return;
    if (rtf.applyColorRanges(scanner.ranges(), map, &pump)) rtf.moveCaretToStart();
}

}  // namespace orvane
