// Bearer capability (identifier 04): octet 3, the octet-4 group (4, 4a, 4b), the layer-1
// group (5, 5a, 5b, 5c, 5d), then layer 2 (octet 6) and layer 3 (octet 7).
#include "dss1/bearer_capability.hpp"

#include <cstddef>
#include <string>

#include "dss1/elements.hpp"
#include "report/convert.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kTitle{" Bearer capability", " Средства доставки информации"};
constexpr Text kReserved{"reserved", "резерв"};

// --- octet 3 ---
constexpr Text kCapabilityLabel{" Inform. transfer capability... ", " Возможн.пересылки информации.. "};
constexpr Row kCapability[] = {
    {0b00000, {"speech", "речь"}},
    {0b01000, {"unrestricted digital information", "неограниченная цифровая информация"}},
    {0b01001, {"restricted digital information", "ограниченная цифровая информация"}},
    {0b10000, {"3.1 kHz audio", "аудио в полосе 3.1 кГц"}},
    {0b10001, {"7 kHz audio", "аудио в полосе 7 кГц"}},
    {0b11000, {"video", "видео"}},
};
constexpr Text kCodingLabel{" Coding standard............... ", " Стандартное кодирования....... "};
constexpr Row kCoding[] = {
    {0b00, {"CCITT standardized coding as described below", "стандарт кодирования CCITT"}},
    {0b01, {"reserved for other international standards", "стандарт IOS/IEC"}},
    {0b10, {"national standard", "национальный стандарт"}},
    {0b11,
     {"standard defined for the network (either public or private) present on the network side of the "
      "interface",
      "стандарт, определяемый для коммутационного поля, присутствует в интерфейсе со стороны поля"}},
};

// --- octets 4 and 4b ---
constexpr Text kRateLabel{" Information transfer rate..... ", " Скорость передачи информации.. "};
constexpr Row kRate4[] = {
    {0b00000,
     {"this code shall be used for packet-mode calls", "код, используемый для вызовов в пакетном режиме"}},
    {0b10000, {"64 kbits/s", "64 кБит/с"}},
    {0b10001, {"2x64 kbits/s", "2*64 кБит/с"}},
    {0b10011, {"384 kbits/s", "384 кБит/с"}},
    {0b10101, {"1536 kbits/s", "1536 кБит/с"}},
    {0b10111, {"1920 kbits/s", "1920 кБит/с"}},
};
constexpr Row kRate4b[] = {
    {0b00000,
     {"this code shall be used for packet-mode calls", "код, используемый для вызовов в пакетном режиме"}},
    {0b10000, {"64 kbits/s (circuit mode)", "64 кБит/с"}},
    {0b10001, {"2*64 kbits/s (circuit mode)", "2*64 кБит/с"}},
    {0b10011, {"384 kbits/s (circuit mode)", "384 кБит/с"}},
    {0b10101, {"1536 kbits/s (circuit mode)", "1536 кБит/с"}},
    {0b10111, {"1920 kbits/s (circuit mode)", "1920 кБит/с"}},
};
constexpr Text kModeLabel{" Transfer mode................. ", " Режим передачи................ "};
constexpr Row kMode[] = {
    {0b00, {"circuit mode", "режим каналов"}},
    {0b10, {"packet mode", "пакетный режим"}},
};

// --- octet 4a (and the symmetry of 4b): one defined value each ---
constexpr Text kEstablishmentLabel{" Establishment................. ", " Установка..................... "};
constexpr Row kEstablishment[] = {{0b00, {"demand", "запрос"}}};
constexpr Text kConfigurationLabel{" Configuration................. ", " Конфигурация.................. "};
constexpr Row kConfiguration[] = {{0b00, {"point-to-point", "точка-точка"}}};
constexpr Text kSymmetryLabel{" Symmetry...................... ", " Симметрия..................... "};
constexpr Row kSymmetry[] = {{0b00, {"bidirectional symmetric", "двунаправленная симметричная"}}};
constexpr Text kStructureLabel{" Structure..................... ", " Структура..................... "};
constexpr Row kStructure[] = {
    {0b001,
     {"8 kHz integrity (when the information transfer rate 2x64 kbit/s is used, 8 kHz integrity with "
      "Restricted Differential Time Delay (RDTD) is offered",
      "полнота 8 кГц (когда используется скорость передачи информации 2x64 kbit/s"}},
    {0b100, {"service data unit integrity", "полнота блока служебных данных"}},
    {0b111, {"unstructured", "неструктурировано"}},
};
// Structure 000 is the default of the service given by octets 3 and 4.
constexpr Text k8kHzDefault{" 8kHz integrity", "целостность 8 кГц"};
constexpr Text kSduDefault{"service data unit integrity", "целостность блока служебных данных"};
constexpr Text kOtherDefault{"default", "по умолчанию"};

// --- octet 5 ---
constexpr Text kLayer1Label{" User inform.layer 1 protocol.. ", " Протокол инф.польз. 1 уровня.. "};
constexpr unsigned kV110 = 0b00001;
constexpr unsigned kV120 = 0b01000;
constexpr Row kLayer1[] = {
    {kV110,
     {"CCITT standardized rate adaption V.110/X.30.",
      "адаптация скорости V.110/X.30, стандартизованной CCITT"}},
    {0b00010, {"Recommendation G.711 mu-law", "Рекомендация G.711 mu-закон"}},
    {0b00011, {"Recommendation G.711 A-law", "Рекомендация G.711 A-закон"}},
    {0b00100,
     {"Recommendation G.721 32 kbit/s ADPCM and  Recommendation I.460",
      "Рекомендация G.721 32 кБит/с ADPCM и Рекомендация I.460"}},
    {0b00101, {"Recommendation G.722 and G.725 7 kHz audio", "Рекомендация G.722 и G.725 7 кГц аудио"}},
    {0b00110,
     {"Recommendation G.7xx 384 kbit/s video", "Рекомендация G.735 для видео на частоте 384 кБит/с"}},
    {0b00111, {"Non-CCITT standardized rate adaption", "адаптация скорости, не стандартизованная CCITT"}},
    {kV120,
     {"CCITT standardized rate adaption V.120", "адаптация скорости по V.120, стандартизованная CCITT "}},
    {0b01001,
     {"CCITT standardized rate adaption X.31 HDLC flag stuffing",
      "адаптация скорости по X.31 HDLC, стандартизованной CCITT, флаг HDLC наполнен"}},
};
constexpr Text kLayer1IdLabel{" Layer 1 identification........ ", " Идентификатор 1 уровня........ "};

// --- octet 5a ---
constexpr Text kUserRateLabel{" User rate..................... ", " Скорость пользователя......... "};
constexpr Row kUserRate[] = {
    {0b00000,
     {"rate is indicated by E-bits specified in Recommendation I.460",
      "скорость индицируется E-битами, указанными Рекомендации I.460"}},
    {0b00001, {"0.6 kbit/s Recommendation V.6 and X.1", "0.6 кБит/с Рекомендация V.6 и X.1"}},
    {0b00010, {"1.2 kbit/s Recommendation V.6", "1.2 кБит/с Рекомендация V.6"}},
    {0b00011, {"2.4 kbit/s Recommendation V.6 and X.1", "2.4 кБит/с Рекомендация V.6 и X.1"}},
    {0b00100, {"3.6 kbit/s Recommendation V.6", "3.6 кБит/с Рекомендация V.6"}},
    {0b00101, {"4.8 kbit/s Recommendation V.6 and X.1", "4.8 кБит/с Рекомендация V.6 и X.1"}},
    {0b00110, {"7.2 kbit/s Recommendation V.6", "7.2 кБит/с Рекомендация V.6"}},
    {0b00111, {"8 kbit/s Recommendation I.460", "8 кБит/с Рекомендация I.460"}},
    {0b01000, {"9.6 kbit/s Recommendation V.6 and X.1", "9.6 кБит/с Рекомендация V.6 и X.1"}},
    {0b01001, {"14.4 kbit/s Recommendation V.6", "14.4 кБит/с Рекомендация V.6"}},
    {0b01010, {"16 kbit/s Recommendation I.420", "16 кБит/с Рекомендация I.420"}},
    {0b01011, {"19.2 kbit/s Recommendation V.6", "19.2 кБит/с Рекомендация V.6"}},
    {0b01100, {"32 kbit/s Recommendation I.460", "32 кБит/с Рекомендация I.460"}},
    {0b01110, {"48 kbit/s Recommendation V.6 and X.1", "48 кБит/с Рекомендация V.6 и X.1"}},
    {0b01111, {"56 kbit/s Recommendation V.6", "56 кБит/с Рекомендация V.6"}},
    {0b10000, {"64 kbit/s Recommendation X.1", "64 кБит/с Рекомендация X.1"}},
    {0b10101, {"0.1345 kbit/s Recommendation X.1", "0.1345 кБит/с Рекомендация X.1"}},
    {0b10110, {"0.100 kbit/s Recommendation X.1", "0.100 кБит/с Рекомендация X.1"}},
    {0b10111, {"0.075/1.2 kbit/s Recommendation  V.6 and X.1", "0.075/1.2 кБит/с Рекомендация  V.6 и X.1"}},
    {0b11000, {"1.2/0.075 kbit/s Recommendation V.6 and X.1", "1.2/0.075 кБит/с Рекомендация V.6 и X.1"}},
    {0b11001, {"0.050 kbit/s Recommendation V.6 and X.1", "0.050 кБит/с Рекомендация V.6 и X.1"}},
    {0b11010, {"0.075 kbit/s Recommendation V.6 and X.1", "0.075 кБит/с Рекомендация V.6 и X.1"}},
    {0b11011, {"0.110 kbit/s Recommendation V.6 and X.1", "0.110 кБит/с Рекомендация V.6 и X.1"}},
    {0b11100, {"0.150 kbit/s Recommendation V.6 and X.1", "0.150 кБит/с Рекомендация V.6 и X.1"}},
    {0b11101, {"0.200 kbit/s Recommendation V.6 and X.1", "0.200 кБит/с Рекомендация V.6 и X.1"}},
    {0b11110, {"0.300 kbit/s Recommendation V.6 and X.1", "0.300 кБит/с Рекомендация V.6 и X.1"}},
    {0b11111, {"12 kbit/s Recommendation V.6", "12 кБит/с Рекомендация V.6"}},
};
constexpr Text kNegotiationLabel{" Negotiation................... ", " Переговоры.................... "};
constexpr Row kNegotiation[] = {
    {0, {"in-band negotiation not possible", "переговоры в диапазоне не возможны"}},
    {1, {"in-band negotiation possible", "переговоры в диапазоне возможны"}},
};
constexpr Text kSynchronousLabel{" Synchronous/asynchronous...... ", " Синхронный/асинхронный........ "};
constexpr Row kSynchronous[] = {
    {0, {"synchronous", "синхронность"}},
    {1, {"asynchronous", "асинхронность"}},
};

// --- octet 5b: one bit per field, bit 1 spare ---

struct BitField {
    int bit;
    Text label;
    Text zero;
    Text one;
};

// V.110/X.30 rate adaption, bits 2 to 5 (the intermediate rate of bits 7-6 follows).
constexpr BitField kV110Bits[] = {
    {2,
     {" Flow control on reception..... ", " Управление ходом приема....... "},
     {"cannot accept data with flow control mechanism",
      "не могут приниматься данные с помощью механизма управления ходом"},
     {"can accept data with flow control mechanism",
      "могут приниматься данные с помощью механизма управления ходом"}},
    {3,
     {" Flow control on transmission.. ", " Управление ходом передачи..... "},
     {"not required to send data with flow control mechanism",
      "не требуется посылать данные с помощью механизма управления ходом"},
     {"required to send data with flow control mechanism",
      "требуется посылать данные с помощью механизма управления ходом"}},
    {4,
     {" Netw.Ind.Clock on reception... ", " NIC при приеме (Rx)........... "},
     {"cannot accept data with Network Independent Clock",
      "нет возможности принимать данные с независимой синхронизацией коммутационного поля"},
     {"can accept data with Network Independent Clock",
      "возможность принимать данные с независимой синхронизацией коммутационного поля"}},
    {5,
     {" Netw.Ind.Clock on Transmiss... ", " NIC при передаче (Tx)......... "},
     {"not required to send data with Network Independent Clock",
      "не требуется посылать данные с независимой синхронизацией коммутационного поля"},
     {"required to send data with Network Independent Clock",
      "требуется посылать данные с независимой синхронизацией коммутационного поля"}},
};
constexpr Text kIntermediateRateLabel{" Intermediate rate............. ", " Промежуточная скорость........ "};
constexpr Row kIntermediateRate[] = {
    {0b00, {"not used", "не используется"}},
    {0b01, {"8 kbit/s", "8 кБит/с"}},
    {0b10, {"16 kbit/s", "16 кБит/с"}},
    {0b11, {"32 kbit/s", "32 кБит/с"}},
};

// V.120 rate adaption, bits 2 to 7.
constexpr BitField kV120Bits[] = {
    {2,
     {" In-band/Out-band negotiation.. ", " Условие в/вне диапазона....... "},
     {"negotiation is done with USER INFORMATION messages on a temporary signalling connection",
      "согласование условий осуществляется сообщением ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ при временном подключении "
      "сигнализации"},
     {"negotiation is done in-band using logical link zero",
      "согласование условий осуществляется в диапазоне использованием логического нуля в звене"}},
    {3,
     {" Assignor/assignee............. ", " Назначающий/назначенный....... "},
     {"message originator is: DEFAULT ASSIGNEE", "источник сообщения: НАЗНАЧЕННЫЙ ПО УМОЛЧАНИЮ"},
     {"message originator is: ASSIGNOR ONLY", "источник сообщения: ТОЛЬКО НАЗНАЧЕННЫЙ"}},
    {4,
     {" Logical link iden.negotiation. ", " Идент.протокола логич.звена... "},
     {"default, LLI=256 only", "значения по умолчанию, только LLI = 256"},
     {"full protocol negotiation", "полное согласование условий протокола"}},
    {5,
     {" Mode of operation............. ", " Режим работы.................. "},
     {"bit transparent mode of operation", "бит заданного режима работы"},
     {"protocol sensitive mode of operation", "протокол подстраиваемого режима работы"}},
    {6,
     {" Multiframe support............ ", " Поддержка многокадр.установки. "},
     {"multiple frame establishment not supported. Only UI frames allowed.",
      "многокадровая установка не поддерживается. Разрешен только UI кадр"},
     {"multiple frame establishment supported", "многокадровая установка поддерживается"}},
    {7,
     {" Rate adaptation header........ ", " Адаптации скорости заг/незаг.. "},
     {"rate adaptation header not included", "заголовок адаптации скорости не включен"},
     {"rate adaptation header included", "заголовок адаптации скорости включен"}},
};

// --- octet 5c ---
constexpr Text kParityLabel{" Parity information............ ", " Информация четности........... "};
constexpr Row kParity[] = {
    {0b000, {"odd", "нечетный"}},
    {0b010, {"even", "четный"}},
    {0b011, {"none", "отсутствует"}},
    {0b100, {"forced to 0", "установлен принудительно равным 0"}},
    {0b101, {"forced to 1", "установлен принудительно равным 1"}},
};
constexpr Text kParityOther{"reserved", "резервирован"};
constexpr Text kDataBitsLabel{" Number of data bits........... ", " Число информационных битов.... "};
constexpr Row kDataBits[] = {
    {0b00, {"not used", "не используется"}},
    {0b01, {"5 bits", "5 битов"}},
    {0b10, {"7 bits", "7 битов"}},
    {0b11, {"8 bits", "8 битов"}},
};
constexpr Text kStopBitsLabel{" Number of stop bits........... ", " Число стоповых битов.......... "};
constexpr Row kStopBits[] = {
    {0b00, {"not used", "не используется"}},
    {0b01, {"1 bit", "1 бит"}},
    {0b10, {"1,5 bits", "1,5 бита"}},
    {0b11, {"2 bits", "2 бита"}},
};

// --- octet 5d ---
constexpr Text kModemLabel{" Modem type.................... ", " Тип модема.................... "};
constexpr Row kModem[] = {
    {0b010001, {"V.21", "V.21"}},         {0b010010, {"V.22", "V.22"}}, {0b010011, {"V.22 bis", "V.22 bis"}},
    {0b010100, {"V.23", "V.23"}},         {0b010101, {"V.26", "V.26"}}, {0b010110, {"V.26 bis", "V.26 bis"}},
    {0b010111, {"V.26 ter", "V.26 ter"}}, {0b011000, {"V.27", "V.27"}}, {0b011001, {"V.27 bis", "V.27 bis"}},
    {0b011010, {"V.27 ter", "V.27 ter"}}, {0b011011, {"V.29", "V.29"}}, {0b011100, {"V.32", "V.32"}},
};
constexpr Text kModemOther{"national use", "в национальном использовании"};
constexpr Text kDuplexLabel{" Duplex mode................... ", " Дуплексный режим.............. "};
constexpr Row kDuplex[] = {
    {0, {"half duplex", "полу-дуплексный"}},
    {1, {"full duplex", "дуплексный"}},
};

// --- octets 6 and 7 ---
constexpr Text kLayer2Label{" User inform.layer 2 protocol.. ", " Протокол инф.польз. 2 уровня.. "};
constexpr Row kLayer2[] = {
    {0b00010, {"Recommendation Q.921(I.441)", "Рекомендация Q.921(I.441)"}},
    {0b00110, {"Recommendation X.25, link level", "Рекомендация X.25, уровень звена передачи данных"}},
};
constexpr Text kLayer2IdLabel{" Layer 2 identificator......... ", " Идентификатор 2 уровня........ "};
constexpr Text kLayer3Label{" User inform.layer 3 protocol.. ", " Протокол инф.польз. 3 уровня.. "};
constexpr Row kLayer3[] = {
    {0b00010, {"Recommendation Q.931(I.451)", "Рекомендация Q.931(I.451)"}},
    {0b00110, {"Recommendation X.25, packet layer", "Рекомендация X.25, уровень звена"}},
};
// The layer 3 identification line has no dots right of its bits.
constexpr Text kLayer3IdLine{" Layer 3 identificator......... ", " Идентификатор 3 уровня........ "};

constexpr Text kExtensionLabel{" Extension..................... ", " Расширение.................... "};
constexpr Text kContinues{"information continues in the next octet",
                          "информация продолжается в следующем октете"};
constexpr Text kNoExtension{"no extension", "нет расширения"};

// The value of bits hi..lo of an octet's bit text.
unsigned value(std::string_view octet, int hi, int lo) {
    return decadic(bits_of(octet, hi, lo));
}

bool extended(std::string_view octet) {
    return octet.front() == '1';
}

// The extension line of bit 8.
void extension(Context& ctx, std::string_view octet) {
    ctx.field(octet, 8, 8, kExtensionLabel, extended(octet) ? kNoExtension : kContinues);
}

void heading(Context& ctx, Text text) {
    ctx.line(ctx.t(text));
}

// The element's octets as bit text. An octet is there only when all its 8 bits are:
// an octet that the extension bits announce but the contents lack ends the element.
class BitOctets {
public:
    explicit BitOctets(std::string_view contents) : bits_(BIN(contents)) {}
    // The octet whose bit 8 stands at 1-based character `pos`, or empty.
    std::string_view at(std::size_t pos) const {
        const std::string_view octet = mid(bits_, pos, 8);
        return octet.size() == 8 ? octet : std::string_view{};
    }

private:
    std::string bits_;
};

Text structure_text(std::string_view o3, std::string_view o4, std::string_view o4a) {
    const unsigned structure = value(o4a, 7, 5);
    if (structure != 0b000) return lookup(kStructure, structure, kReserved);
    const unsigned mode = value(o4, 7, 6);
    const unsigned capability = value(o3, 5, 1);
    if (mode == 0b00 && contains(kCapability, capability)) return k8kHzDefault;
    if (mode == 0b10 && capability == 0b01000) return kSduDefault;
    return kOtherDefault;
}

void bit_fields(Context& ctx, std::string_view octet, std::span<const BitField> fields) {
    for (const BitField& f : fields) {
        ctx.field(octet, f.bit, f.bit, f.label, value(octet, f.bit, f.bit) == 1 ? f.one : f.zero);
    }
}

// Octets 5 to 5d from layer position `p` (bit 8 of octet 5). Returns the layer position
// after the group (where octet 6 may stand), or 0 when the element ends in the group.
std::size_t layer_1(Context& ctx, const BitOctets& octets, std::size_t p) {
    const std::string_view o5 = octets.at(p);
    if (o5.empty() || bits_of(o5, 7, 6) != "01") return p;
    heading(ctx, {" 5 octet", " 5 октет"});
    const unsigned protocol = value(o5, 5, 1);
    ctx.field(o5, 5, 1, kLayer1Label, lookup(kLayer1, protocol, kReserved));
    ctx.field(o5, 7, 6, kLayer1IdLabel, "01");
    extension(ctx, o5);
    if (extended(o5)) return p + 8;

    const std::string_view o5a = octets.at(p + 8);
    if (o5a.empty()) return 0;
    heading(ctx, {" 5a octet", " 5a октет"});
    ctx.field(o5a, 5, 1, kUserRateLabel, lookup(kUserRate, value(o5a, 5, 1), kReserved));
    ctx.field(o5a, 6, 6, kNegotiationLabel, lookup(kNegotiation, value(o5a, 6, 6), kReserved));
    ctx.field(o5a, 7, 7, kSynchronousLabel, lookup(kSynchronous, value(o5a, 7, 7), kReserved));
    extension(ctx, o5a);
    if (extended(o5a)) return p + 16;

    const std::string_view o5b = octets.at(p + 16);
    if (o5b.empty()) return 0;
    if (protocol == kV110 || protocol == kV120) {
        heading(ctx, {" 5b octet", " 5b октет"});
        ctx.field(o5b, 1, 1, kSpare);
        if (protocol == kV110) {
            bit_fields(ctx, o5b, kV110Bits);
            ctx.field(o5b, 7, 6, kIntermediateRateLabel,
                      lookup(kIntermediateRate, value(o5b, 7, 6), kReserved));
        } else {
            bit_fields(ctx, o5b, kV120Bits);
        }
    }
    extension(ctx, o5b);
    if (extended(o5b)) return p + 24;

    const std::string_view o5c = octets.at(p + 24);
    if (o5c.empty()) return 0;
    heading(ctx, {" 5c octet", " 5c октет"});
    ctx.field(o5c, 3, 1, kParityLabel, lookup(kParity, value(o5c, 3, 1), kParityOther));
    ctx.field(o5c, 5, 4, kDataBitsLabel, lookup(kDataBits, value(o5c, 5, 4), kReserved));
    ctx.field(o5c, 7, 6, kStopBitsLabel, lookup(kStopBits, value(o5c, 7, 6), kReserved));
    extension(ctx, o5c);
    if (extended(o5c)) return p + 32;

    const std::string_view o5d = octets.at(p + 32);
    if (o5d.empty()) return 0;
    heading(ctx, {" 5d octet", " 5d октет"});
    ctx.field(o5d, 6, 1, kModemLabel, lookup(kModem, value(o5d, 6, 1), kModemOther));
    ctx.field(o5d, 7, 7, kDuplexLabel, lookup(kDuplex, value(o5d, 7, 7), kReserved));
    if (!extended(o5d)) return 0;
    extension(ctx, o5d);
    return p + 40;
}

// Octet 6 (layer 2, identification 10) or octet 7 (layer 3, identification 11) at `p`.
// False when the octet is not there.
bool layer_2_or_3(Context& ctx, const BitOctets& octets, std::size_t p, int layer) {
    const std::string_view octet = octets.at(p);
    const std::string_view id = layer == 2 ? "10" : "11";
    if (octet.empty() || !extended(octet) || bits_of(octet, 7, 6) != id) return false;
    if (layer == 2) {
        heading(ctx, {" 6 octet", " 6 октет"});
        ctx.field(octet, 5, 1, kLayer2Label, lookup(kLayer2, value(octet, 5, 1), kReserved));
        ctx.field(octet, 7, 6, kLayer2IdLabel, id);
    } else {
        heading(ctx, {" 7 octet", " 7 октет"});
        ctx.field(octet, 5, 1, kLayer3Label, lookup(kLayer3, value(octet, 5, 1), kReserved));
        ctx.line(" .", bits_of(octet, 7, 6), ctx.t(kLayer3IdLine), id);
    }
    extension(ctx, octet);
    return true;
}

}  // namespace

void BEARER_CAPABILITY(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kTitle, true)) return;
    BEARER_CAPABILITY_body(ctx, e);
}

void BEARER_CAPABILITY_body(Context& ctx, const Element& e) {
    const BitOctets octets(e.hex());

    const std::string_view o3 = octets.at(1);
    if (o3.empty() || !extended(o3)) return;
    heading(ctx, {" 3 octet", " 3 октет"});
    ctx.field(o3, 5, 1, kCapabilityLabel, lookup(kCapability, value(o3, 5, 1), kReserved));
    ctx.field(o3, 7, 6, kCodingLabel, lookup(kCoding, value(o3, 7, 6), kReserved));
    extension(ctx, o3);

    const std::string_view o4 = octets.at(9);
    if (o4.empty()) return;
    heading(ctx, {" 4 octet", " 4 октет"});
    ctx.field(o4, 5, 1, kRateLabel, lookup(kRate4, value(o4, 5, 1), kReserved));
    ctx.field(o4, 7, 6, kModeLabel, lookup(kMode, value(o4, 7, 6), kReserved));
    extension(ctx, o4);

    // The layer position: bit 8 of octet 5, after the octet-4 group. The group must end
    // with an extension bit 1; otherwise there is no place to read octet 5 from.
    std::size_t p = 17;
    if (!extended(o4)) {
        const std::string_view o4a = octets.at(17);
        if (o4a.empty()) return;
        heading(ctx, {" 4a octet", " 4a октет"});
        ctx.field(o4a, 2, 1, kEstablishmentLabel, lookup(kEstablishment, value(o4a, 2, 1), kReserved));
        ctx.field(o4a, 4, 3, kConfigurationLabel, lookup(kConfiguration, value(o4a, 4, 3), kReserved));
        ctx.field(o4a, 7, 5, kStructureLabel, structure_text(o3, o4, o4a));
        extension(ctx, o4a);
        p = 25;
        if (!extended(o4a)) {
            const std::string_view o4b = octets.at(25);
            if (o4b.empty()) return;
            heading(ctx, {" 4b octet", " 4b октет"});
            ctx.field(o4b, 5, 1, kRateLabel, lookup(kRate4b, value(o4b, 5, 1), kReserved));
            ctx.field(o4b, 7, 6, kSymmetryLabel, lookup(kSymmetry, value(o4b, 7, 6), kReserved));
            if (!extended(o4b)) return;
            extension(ctx, o4b);
            p = 33;
        }
    }

    p = layer_1(ctx, octets, p);
    if (p == 0) return;
    if (layer_2_or_3(ctx, octets, p, 2)) layer_2_or_3(ctx, octets, p + 8, 3);
}

}  // namespace tarn::dss1
