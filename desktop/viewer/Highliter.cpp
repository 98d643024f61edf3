#include "viewer/Highliter.h"

#include <unordered_set>

#include "core/Screens.h"
#include "viewer/CodePane.h"

namespace orvane {

namespace {

// The word lists are kept exactly as the program has always used them; entries that hold a
// character outside words ("#Double", ":NEW", "#End If") can never match and stay harmless.
constexpr char kJavaTypes[] =
    "*Double*Object*Connection*String*ResultSet*Clob*Reader*File*FileWriter*char*long*int*byte*"
    "Random*Writer*Statement*Driver*Date*";
constexpr char kJavaKeywords[] =
    "*abstract*break*byvalue*case*cast*catch*class*const*continue*default*do*else*extends*false*"
    "final*finally*for*future*generic*goto*if*implements*import*inner*instanceof*interface*native*"
    "new*null*operator*outer*package*private*protected*public*rest*return*static*super*switch*"
    "synchronized*this*throw*throws*transient*true*try*var*volatile*while*Boolean*Byte*Character*"
    "Class*ClassLoader*Cloneable*Compiler*#Double*#Float*#Integer*#Long*Math*Number*Process*"
    "Runnable*Runtime*SecurityManager*StringBuffer*System*Thread*ThreadGroup*void*";
constexpr char kCSharpTypes[] =
    "*Double*Object*Connection*String*ResultSet*Clob*Reader*File*FileWriter*char*long*int*byte*"
    "Random*Writer*Statement*Driver*Date**void*";
constexpr char kCSharpKeywords[] =
    "*abstract*base*break*byvalue*case*cast*catch*class*const*continue*default*do*else*extends*"
    "false*final*finally*for*future*generic*if*implements*import*inner*instanceof*interface*"
    "namespace*native*new*null*operator*outer*package*private*protected*public*return*static*"
    "super*switch*synchronized*this*throw*throws*transient*true*try*volatile*while*Boolean*Byte*"
    "Character*Class*ClassLoader*Cloneable*Compiler*Math*Number*Process*Runnable*Runtime*"
    "SecurityManager*StringBuffer*System*Thread*ThreadGroup*using*";
constexpr char kSqlTypes[] =
    "*INTEGER*BLOB*CLOB*CHAR*TEXT*LONGVARCHAR*VARCHAR2*VARCHAR*TIMESTAMP*TIME*LONG*DATE*NUMBER*"
    "NULL*DECIMAL*";
constexpr char kSqlKeywords[] =
    "*TRIGGER*DECLARE*TABLE*BEGIN*END*UPDATE*SELECT*OF*ON*:NEW*:OLD*WHEN*THEN*EXCEPTION*CREATE*OR*"
    "REPLACE*AFTER*INSERT*FOR*EACH*ROW*DROP*FUNCTION*CREATE*RETURNS*EXTERNAL*LANGUAGE*PARAMETER*"
    "STYLE*DETERMINISTIC*NOT*FENCED*CALL*NO*SQL*ACTION*SCRATCHPAD*FINAL*ALLOW*PARALLEL*DBINFO*NEW*"
    "MODE*REFERENCING*AS*ATOMIC*";
constexpr char kVbFunctions[] =
    "*Abs*Add*AddItem*AppActivate*Array*Asc*Atn*Beep*Begin*BeginProperty*ChDir*ChDrive*Choose*Chr*"
    "Clear*Collection*Command*Cos*CreateObject*CurDir*DateAdd*DateDiff*DatePart*DateSerial*"
    "DateValue*Day*DDB*DeleteSetting*Dir*DoEvents*EndProperty*Environ*EOF*Err*Exp*FileAttr*"
    "FileCopy*FileDateTime*FileLen*Fix*Format*FV*GetAllSettings*GetAttr*GetObject*GetSetting*Hex*"
    "Hide*Hour*InputBox*InStr*Int*Int*IPmt*IRR*IsArray*IsDate*IsEmpty*IsError*IsMissing*IsNull*"
    "IsNumeric*IsObject*Item*Kill*LCase*Left*Len*Load*Loc*LOF*Log*LTrim*Me*Mid*Minute*MIRR*MkDir*"
    "Month*Now*NPer*NPV*Oct*Pmt*PPmt*PV*QBColor*Raise*Randomize*Rate*Remove*RemoveItem*Reset*RGB*"
    "Right*RmDir*Rnd*RTrim*SaveSetting*Second*SendKeys*SetAttr*Sgn*Shell*Sin*Sin*SLN*Space*Sqr*"
    "Str*StrComp*StrConv*Switch*SYD*Tan*Text*Time*Time*Timer*TimeSerial*TimeValue*Trim*TypeName*"
    "UCase*Unload*Val*VarType*WeekDay*Width*Year*";
constexpr char kVbKeywords[] =
    "*#Const*#Else*#ElseIf*#End "
    "If*#If*Alias*Alias*And*As*Base*Binary*Boolean*Byte*ByVal*Call*Case*CBool*CByte*CCur*CDate*"
    "CDbl*CDec*CInt*CLng*Close*Compare*Const*CSng*CStr*Currency*CVar*CVErr*Decimal*Declare*"
    "DefBool*DefByte*DefCur*DefDate*DefDbl*DefDec*DefInt*DefLng*DefObj*DefSng*DefStr*DefVar*Dim*"
    "Do*Double*Each*Else*ElseIf*End*Enum*Eqv*Erase*Error*Exit*Explicit*False*For*Function*Get*"
    "Global*GoSub*GoTo*If*Imp*In*Input*Input*Integer*Is*LBound*Let*Lib*Like*Line*Lock*Long*Loop*"
    "LSet*Name*New*Next*Not*Object*On*Open*Option*Or*Output*Print*Private*Property*Public*Put*"
    "Random*Read*ReDim*Resume*Return*RSet*Seek*Select*Set*Single*Spc*Static*String*Stop*Sub*Tab*"
    "Then*Then*True*Type*UBound*Unlock*Variant*Wend*While*With*Xor*Nothing*To*Namespace*Imports*";
constexpr char kSchemaAttributes[] =
    "*xml*version*encoding*xmlns*name*minOccurs*maxOccurs*elementFormDefault*type*content*model*"
    "dt*order*base*value*maxLength*minLength*";
constexpr char kSchemaElements[] =
    "*xsd*xs*element*sequence*schema*simpleType*complexType*ElementType*group*whiteSpace*"
    "fractionDigits*totalDigits*restriction*annotation*documentation*AttributeType*attribute*"
    "description*RecordInfo*FieldInfo*b*";
constexpr char kDtdWords[] = "*xml*version*encoding*PCDATA*";
constexpr char kDtdDeclarations[] = "*ELEMENT*#PCDATA*";
constexpr char kXmlDataWords[] = "*xml*version*encoding*";

constexpr char kDoubleQuote[] = "\"";
constexpr char kXmlCommentStart[] = "<!--";
constexpr char kXmlCommentEnd[] = "-->";

HighlightProfile XmlFamilyProfile(std::string firstList, std::string secondList) {
    return {std::move(firstList), std::move(secondList), kDoubleQuote,
            kXmlCommentStart,     kXmlCommentEnd,        ""};
}

HighlightProfile CFamilyProfile(const char* types, const char* keywords) {
    return {types, keywords, kDoubleQuote, "/*", "*/", "//"};
}

}  // namespace

HighlightProfile Highliter::JavaProfile() { return CFamilyProfile(kJavaTypes, kJavaKeywords); }

HighlightProfile Highliter::CSharpProfile() {
    return CFamilyProfile(kCSharpTypes, kCSharpKeywords);
}

HighlightProfile Highliter::SqlProfile() {
    return {kSqlTypes, kSqlKeywords, "'", "/*", "*/", "--"};
}

HighlightProfile Highliter::VbProfile() {
    return {kVbFunctions, kVbKeywords, kDoubleQuote, "", "", "'"};
}

HighlightProfile Highliter::SchemaProfile() {
    return XmlFamilyProfile(kSchemaAttributes, kSchemaElements);
}

HighlightProfile Highliter::DtdProfile() { return XmlFamilyProfile(kDtdWords, kDtdDeclarations); }

HighlightProfile Highliter::XmlDataProfile(std::string_view text) {
    return XmlFamilyProfile(kXmlDataWords, CollectTagNames(text));
}

std::optional<HighlightProfile> Highliter::ProfileForScreen(int scr, std::string_view text) {
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

std::vector<ColorRange> Highliter::HighlightWords(std::string_view text,
                                                  const HighlightProfile& profile) {
    HighlightScanner scanner(text, profile);
    scanner.scanTo(text.size());
    return scanner.ranges();
}

std::string Highliter::CollectTagNames(std::string_view text) {
    std::string list = "*";
    // Each name is listed once: a long document repeats the same few names many times.
    std::unordered_set<std::string_view> listed;
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t closer = kNone;  // the last '>' found; reused while it lies ahead
    for (std::size_t i = text.find('<'); i != kNone && i + 1 < text.size();
         i = text.find('<', i + 1)) {
        const char next = text[i + 1];
        if (next == '/' || next == '!' || next == '?') continue;
        if (closer == kNone || closer <= i) closer = text.find('>', i + 1);
        if (closer == kNone) break;  // no '>' follows: nothing more to collect
        const std::size_t blank = text.substr(0, closer).find(' ', i + 1);
        const std::size_t end = blank != kNone ? blank : closer;
        if (end > i + 1) {
            const std::string_view name = text.substr(i + 1, end - i - 1);
            if (listed.insert(name).second) {
                list.append(name);
                list += '*';
            }
            i = end - 1;
        }
    }
    return list;
}

void Highliter::HighlightJava(CodePane& rtf) const { HighlightByType(rtf, JAVA_CODE); }
void Highliter::HighlightSQL(CodePane& rtf) const { HighlightByType(rtf, SQL_CODE); }
void Highliter::HighlightVB(CodePane& rtf) const { HighlightByType(rtf, VB_CODE); }
void Highliter::HighlightCSharp(CodePane& rtf) const { HighlightByType(rtf, CSHARP_CODE); }

void Highliter::HighlightByType(CodePane& rtf, int scr) const {
    if (scr < XSD_CODE || scr > CSHARP_CODE) return;
    rtf.setHighlightProfile([scr](std::string_view text) { return *ProfileForScreen(scr, text); });
    rtf.moveCaretToStart();
}

}  // namespace orvane
