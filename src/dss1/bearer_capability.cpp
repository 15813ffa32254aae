// Bearer capability (04) and Low layer compatibility (7C): octet 3 (and 3a), the octet-4
// group (4, 4a, 4b), the layer-1 group (5, 5a, 5b, 5c, 5d), then layer 2 (octet 6, 6a) and
// layer 3 (octet 7, 7a). The octets are described as tables of fields; one walk over them
// takes a profile per element that says which optional octets it has and which tables
// differ.
#include "dss1/bearer_capability.hpp"

#include <cstddef>
#include <span>
#include <string_view>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/field.hpp"
#include "report/octets.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kBearerTitle{" Bearer capability", " Средства доставки информации"};
constexpr Text kLowLayerTitle{" Low layer compatibility", " Совместимость с нижним уровнем"};

// --- octet 3 ---
constexpr Row kCapability[] = {
    {0b00000, {"speech", "речь"}},
    {0b01000, {"unrestricted digital information", "неограниченная цифровая информация"}},
    {0b01001, {"restricted digital information", "ограниченная цифровая информация"}},
    {0b10000, {"3.1 kHz audio", "аудио в полосе 3.1 кГц"}},
    {0b10001, {"7 kHz audio", "аудио в полосе 7 кГц"}},
    {0b11000, {"video", "видео"}},
};
constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт кодирования CCITT"},
    {"reserved for other international standards", "стандарт IOS/IEC"},
    {"national standard", "национальный стандарт"},
    {"standard defined for the network (either public or private) present on the network side of the "
     "interface",
     "стандарт, определяемый для коммутационного поля, присутствует в интерфейсе со стороны поля"},
};
constexpr Field kOctet3[] = {
    {5, 1, {" Inform. transfer capability... ", " Возможн.пересылки информации.. "}, kCapability, kReserved},
    dense_field(7, 6, {" Coding standard............... ", " Стандартное кодирования....... "}, kCoding),
    kExtension,
};

// --- octet 3a (Low layer compatibility) ---
constexpr Text kOutBand[] = {
    {"out-band negotiation not possible", "переговоры вне диапазона не возможны"},
    {"out-band negotiation possible", "переговоры вне диапазона возможны"},
};
constexpr Field kOctet3a[] = {
    spare_field(6, 1, kSpare),
    dense_field(7, 7, {" Negotiation indicator......... ", " Индикатор переговоров......... "}, kOutBand),
    kExtension,
};

// --- octets 4 and 4b ---
constexpr Label kRateLabel{" Information transfer rate..... ", " Скорость передачи информации.. "};
constexpr Row kBearerRate4[] = {
    {0b00000,
     {"this code shall be used for packet-mode calls", "код, используемый для вызовов в пакетном режиме"}},
    {0b10000, {"64 kbits/s", "64 кБит/с"}},
    {0b10001, {"2x64 kbits/s", "2*64 кБит/с"}},
    {0b10011, {"384 kbits/s", "384 кБит/с"}},
    {0b10101, {"1536 kbits/s", "1536 кБит/с"}},
    {0b10111, {"1920 kbits/s", "1920 кБит/с"}},
};
// Low layer compatibility gives the circuit mode in the English texts of octet 4 too.
constexpr Row kLowLayerRate4[] = {
    {0b00000,
     {"this code shall be used for packet-mode calls", "код, используемый для вызовов в пакетном режиме"}},
    {0b10000, {"64 kbits/s (circuit mode)", "64 кБит/с"}},
    {0b10001, {"2x64 kbits/s (circuit mode)", "2*64 кБит/с"}},
    {0b10011, {"384 kbits/s (circuit mode)", "384 кБит/с"}},
    {0b10101, {"1536 kbits/s (circuit mode)", "1536 кБит/с"}},
    {0b10111, {"1920 kbits/s (circuit mode)", "1920 кБит/с"}},
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
constexpr Row kMode[] = {
    {0b00, {"circuit mode", "режим каналов"}},
    {0b10, {"packet mode", "пакетный режим"}},
};
constexpr Field kModeField{
    7, 6, {" Transfer mode................. ", " Режим передачи................ "}, kMode, kReserved};
constexpr Field kBearerOctet4[] = {{5, 1, kRateLabel, kBearerRate4, kReserved}, kModeField, kExtension};
constexpr Field kLowLayerOctet4[] = {{5, 1, kRateLabel, kLowLayerRate4, kReserved}, kModeField, kExtension};

// --- octet 4a (its structure, bits 7-5, is read with octets 3 and 4) ---
constexpr Row kEstablishment[] = {{0b00, {"demand", "запрос"}}};
constexpr Row kConfiguration[] = {{0b00, {"point-to-point", "точка-точка"}}};
constexpr Field kOctet4a[] = {
    {2,
     1,
     {" Establishment................. ", " Установка..................... "},
     kEstablishment,
     kReserved},
    {4,
     3,
     {" Configuration................. ", " Конфигурация.................. "},
     kConfiguration,
     kReserved},
};
constexpr Row kStructure[] = {
    {0b001,
     {"8 kHz integrity (when the information transfer rate 2x64 kbit/s is used, 8 kHz integrity with "
      "Restricted Differential Time Delay (RDTD) is offered",
      "полнота 8 кГц (когда используется скорость передачи информации 2x64 kbit/s"}},
    {0b100, {"service data unit integrity", "полнота блока служебных данных"}},
    {0b111, {"unstructured", "неструктурировано"}},
};
constexpr Field kStructureField{
    7, 5, {" Structure..................... ", " Структура..................... "}, kStructure, kReserved};
// Structure 000 is the default of the service given by octets 3 and 4.
constexpr Text k8kHzDefault{" 8kHz integrity", "целостность 8 кГц"};
constexpr Text kSduDefault{"service data unit integrity", "целостность блока служебных данных"};
constexpr Text kOtherDefault{"default", "по умолчанию"};

constexpr Row kSymmetry[] = {{0b00, {"bidirectional symmetric", "двунаправленная симметричная"}}};
constexpr Field kOctet4b[] = {
    {5, 1, kRateLabel, kRate4b, kReserved},
    {7, 6, {" Symmetry...................... ", " Симметрия..................... "}, kSymmetry, kReserved},
};

// --- octet 5 (shown only with layer 1 identification 01) ---
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
constexpr Field kOctet5[] = {
    {5, 1, {" User inform.layer 1 protocol.. ", " Протокол инф.польз. 1 уровня.. "}, kLayer1, kReserved},
    // The octet is shown only when these bits are 01, so the line always says so.
    {7, 6, {" Layer 1 identification........ ", " Идентификатор 1 уровня........ "}, {}, {"01", "01"}},
    kExtension,
};

// --- octet 5a ---
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
constexpr Text kNegotiation[] = {
    {"in-band negotiation not possible", "переговоры в диапазоне не возможны"},
    {"in-band negotiation possible", "переговоры в диапазоне возможны"},
};
constexpr Text kSynchronous[] = {{"synchronous", "синхронность"}, {"asynchronous", "асинхронность"}};
constexpr Field kOctet5a[] = {
    {5, 1, {" User rate..................... ", " Скорость пользователя......... "}, kUserRate, kReserved},
    dense_field(6, 6, {" Negotiation................... ", " Переговоры.................... "}, kNegotiation),
    dense_field(7, 7, {" Synchronous/asynchronous...... ", " Синхронный/асинхронный........ "}, kSynchronous),
    kExtension,
};

// --- octet 5b for V.110/X.30 rate adaption: bit 1 spare, one bit per field, the rate ---
constexpr Text kFlowReception[] = {
    {"cannot accept data with flow control mechanism",
     "не могут приниматься данные с помощью механизма управления ходом"},
    {"can accept data with flow control mechanism",
     "могут приниматься данные с помощью механизма управления ходом"},
};
constexpr Text kFlowTransmission[] = {
    {"not required to send data with flow control mechanism",
     "не требуется посылать данные с помощью механизма управления ходом"},
    {"required to send data with flow control mechanism",
     "требуется посылать данные с помощью механизма управления ходом"},
};
constexpr Text kClockReception[] = {
    {"cannot accept data with Network Independent Clock",
     "нет возможности принимать данные с независимой синхронизацией коммутационного поля"},
    {"can accept data with Network Independent Clock",
     "возможность принимать данные с независимой синхронизацией коммутационного поля"},
};
constexpr Text kClockTransmission[] = {
    {"not required to send data with Network Independent Clock",
     "не требуется посылать данные с независимой синхронизацией коммутационного поля"},
    {"required to send data with Network Independent Clock",
     "требуется посылать данные с независимой синхронизацией коммутационного поля"},
};
constexpr Text kIntermediateRate[] = {
    {"not used", "не используется"},
    {"8 kbit/s", "8 кБит/с"},
    {"16 kbit/s", "16 кБит/с"},
    {"32 kbit/s", "32 кБит/с"},
};
constexpr Field kOctet5bV110[] = {
    spare_field(1, 1, kSpare),
    dense_field(2, 2, {" Flow control on reception..... ", " Управление ходом приема....... "},
                kFlowReception),
    dense_field(3, 3, {" Flow control on transmission.. ", " Управление ходом передачи..... "},
                kFlowTransmission),
    dense_field(4, 4, {" Netw.Ind.Clock on reception... ", " NIC при приеме (Rx)........... "},
                kClockReception),
    dense_field(5, 5, {" Netw.Ind.Clock on Transmiss... ", " NIC при передаче (Tx)......... "},
                kClockTransmission),
    dense_field(7, 6, {" Intermediate rate............. ", " Промежуточная скорость........ "},
                kIntermediateRate),
    kExtension,
};

// --- octet 5b for V.120 rate adaption: bit 1 spare, one bit per field ---
constexpr Text kInBand[] = {
    {"negotiation is done with USER INFORMATION messages on a temporary signalling connection",
     "согласование условий осуществляется сообщением ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ при временном подключении "
     "сигнализации"},
    {"negotiation is done in-band using logical link zero",
     "согласование условий осуществляется в диапазоне использованием логического нуля в звене"},
};
constexpr Label kAssignorLabel{" Assignor/assignee............. ", " Назначающий/назначенный....... "};
constexpr Text kBearerAssignor[] = {
    {"message originator is: DEFAULT ASSIGNEE", "источник сообщения: НАЗНАЧЕННЫЙ ПО УМОЛЧАНИЮ"},
    {"message originator is: ASSIGNOR ONLY", "источник сообщения: ТОЛЬКО НАЗНАЧЕННЫЙ"},
};
// Low layer compatibility: the same meanings, other English texts.
constexpr Text kLowLayerAssignor[] = {
    {"message originator is: Default assignee", "источник сообщения: НАЗНАЧЕННЫЙ ПО УМОЛЧАНИЮ"},
    {"message originator is: Assignor only", "источник сообщения: ТОЛЬКО НАЗНАЧЕННЫЙ"},
};
constexpr Text kLinkIdentifier[] = {
    {"default, LLI=256 only", "значения по умолчанию, только LLI = 256"},
    {"full protocol negotiation", "полное согласование условий протокола"},
};
constexpr Text kOperationMode[] = {
    {"bit transparent mode of operation", "бит заданного режима работы"},
    {"protocol sensitive mode of operation", "протокол подстраиваемого режима работы"},
};
constexpr Text kMultiframe[] = {
    {"multiple frame establishment not supported. Only UI frames allowed.",
     "многокадровая установка не поддерживается. Разрешен только UI кадр"},
    {"multiple frame establishment supported", "многокадровая установка поддерживается"},
};
constexpr Text kRateAdaptationHeader[] = {
    {"rate adaptation header not included", "заголовок адаптации скорости не включен"},
    {"rate adaptation header included", "заголовок адаптации скорости включен"},
};
constexpr Field kInBandField =
    dense_field(2, 2, {" In-band/Out-band negotiation.. ", " Условие в/вне диапазона....... "}, kInBand);
constexpr Field kLinkIdentifierField = dense_field(
    4, 4, {" Logical link iden.negotiation. ", " Идент.протокола логич.звена... "}, kLinkIdentifier);
constexpr Field kOperationModeField = dense_field(
    5, 5, {" Mode of operation............. ", " Режим работы.................. "}, kOperationMode);
constexpr Field kMultiframeField =
    dense_field(6, 6, {" Multiframe support............ ", " Поддержка многокадр.установки. "}, kMultiframe);
constexpr Field kRateAdaptationHeaderField = dense_field(
    7, 7, {" Rate adaptation header........ ", " Адаптации скорости заг/незаг.. "}, kRateAdaptationHeader);
constexpr Field kBearerOctet5bV120[] = {
    spare_field(1, 1, kSpare),
    kInBandField,                                        // bit 2
    dense_field(3, 3, kAssignorLabel, kBearerAssignor),  // bit 3
    kLinkIdentifierField,                                // bit 4
    kOperationModeField,                                 // bit 5
    kMultiframeField,                                    // bit 6
    kRateAdaptationHeaderField,                          // bit 7
    kExtension,
};

constexpr Field kLowLayerOctet5bV120[] = {
    spare_field(1, 1, kSpare),
    kInBandField,                                          // bit 2
    dense_field(3, 3, kAssignorLabel, kLowLayerAssignor),  // bit 3
    kLinkIdentifierField,                                  // bit 4
    kOperationModeField,                                   // bit 5
    kMultiframeField,                                      // bit 6
    kRateAdaptationHeaderField,                            // bit 7
    kExtension,
};

// --- octet 5c ---
constexpr Row kParity[] = {
    {0b000, {"odd", "нечетный"}},
    {0b010, {"even", "четный"}},
    {0b011, {"none", "отсутствует"}},
    {0b100, {"forced to 0", "установлен принудительно равным 0"}},
    {0b101, {"forced to 1", "установлен принудительно равным 1"}},
};
constexpr Text kDataBits[] = {
    {"not used", "не используется"}, {"5 bits", "5 битов"}, {"7 bits", "7 битов"}, {"8 bits", "8 битов"}};
constexpr Text kStopBits[] = {
    {"not used", "не используется"}, {"1 bit", "1 бит"}, {"1,5 bits", "1,5 бита"}, {"2 bits", "2 бита"}};
constexpr Field kOctet5c[] = {
    {3,
     1,
     {" Parity information............ ", " Информация четности........... "},
     kParity,
     {"reserved", "резервирован"}},
    dense_field(5, 4, {" Number of data bits........... ", " Число информационных битов.... "}, kDataBits),
    dense_field(7, 6, {" Number of stop bits........... ", " Число стоповых битов.......... "}, kStopBits),
    kExtension,
};

// --- octet 5d (its extension line only when the bit is 1) ---
constexpr Row kModem[] = {
    {0b010001, {"V.21", "V.21"}},         {0b010010, {"V.22", "V.22"}}, {0b010011, {"V.22 bis", "V.22 bis"}},
    {0b010100, {"V.23", "V.23"}},         {0b010101, {"V.26", "V.26"}}, {0b010110, {"V.26 bis", "V.26 bis"}},
    {0b010111, {"V.26 ter", "V.26 ter"}}, {0b011000, {"V.27", "V.27"}}, {0b011001, {"V.27 bis", "V.27 bis"}},
    {0b011010, {"V.27 ter", "V.27 ter"}}, {0b011011, {"V.29", "V.29"}}, {0b011100, {"V.32", "V.32"}},
};
constexpr Text kDuplex[] = {{"half duplex", "полу-дуплексный"}, {"full duplex", "дуплексный"}};
constexpr Field kOctet5d[] = {
    {6,
     1,
     {" Modem type.................... ", " Тип модема.................... "},
     kModem,
     {"national use", "в национальном использовании"}},
    dense_field(7, 7, {" Duplex mode................... ", " Дуплексный режим.............. "}, kDuplex),
};

// --- octets 6 and 7 ---
constexpr Row kBearerLayer2[] = {
    {0b00010, {"Recommendation Q.921(I.441)", "Рекомендация Q.921(I.441)"}},
    {0b00110, {"Recommendation X.25, link level", "Рекомендация X.25, уровень звена передачи данных"}},
};
constexpr Row kBearerLayer3[] = {
    {0b00010, {"Recommendation Q.931(I.451)", "Рекомендация Q.931(I.451)"}},
    {0b00110, {"Recommendation X.25, packet layer", "Рекомендация X.25, уровень звена"}},
};
// Low layer compatibility: more protocols in the English reading; the Russian one knows
// only those of the Bearer capability.
constexpr std::string_view kRezerv = "резерв";
constexpr Row kLowLayer2[] = {
    {0b00001, {"Basic mode ISO 1745", kRezerv}},
    {0b00010, {"CCITT Recommendation Q.921 (I.441)", "Рекомендация Q.921(I.441)"}},
    {0b00110, {"Recommendation X.25 link layer", "Рекомендация X.25, уровень звена передачи данных"}},
    {0b00111, {"Recommendation X.25 Multilink", kRezerv}},
    {0b01000, {"Extended LAPB; for half duplex operation (T.71)", kRezerv}},
    {0b01001, {"HDLC ARM (ISO 4335)", kRezerv}},
    {0b01010, {"HDLC NRM (ISO 4335)", kRezerv}},
    {0b01011, {"HDLC ABM (ISO 4335)", kRezerv}},
    {0b01100, {"LAN Logical link control (ISO 8802/2)", kRezerv}},
    {0b01101, {"CCITT Recommendation X.75 Single Link Procedure (SLP)", kRezerv}},
    {0b10001, {"ISO 7776 DTE-DTE operation", kRezerv}},
};
constexpr Row kLowLayer3[] = {
    {0b00010, {"CCITT Recommendation Q.931 (I.451)", "Рекомендация Q.931(I.451)"}},
    {0b00110, {"Recommendation X.25, packet layer", "Рекомендация X.25, уровень звена"}},
    {0b00111, {"ISO 8208 (X.25 packet level protocol for data terminal equipment)", kRezerv}},
    {0b01000,
     {"ISO 8348 (OSI connection oriented network service specific subset of ISO 8208 and CCITT X.25)",
      kRezerv}},
    {0b01001, {"ISO 8473 (ISO connectionless service)", kRezerv}},
    {0b01010, {"CCITT Recommendation T.70 minimum network layer", kRezerv}},
};
// Octets 6a and 7a: the optional protocol identification, not yet specified.
constexpr Text kToBeSpecified{"user specified to be specified", "еще должна быть определена"};
constexpr Field kOctet6a[] = {
    {7, 1, {" Optional layer 2 protocol id.. ", " Необяз.информ.протокола 2 ур.. "}, {}, kToBeSpecified},
    kExtension,
};
constexpr Field kOctet7a[] = {
    {7, 1, {" Optional layer 3 protocol id.. ", " Необяз.информ.протокола 3 ур.. "}, {}, kToBeSpecified},
    kExtension,
};
constexpr Label kLayer2Label{" User inform.layer 2 protocol.. ", " Протокол инф.польз. 2 уровня.. "};
constexpr Label kLayer3Label{" User inform.layer 3 protocol.. ", " Протокол инф.польз. 3 уровня.. "};
constexpr Label kLayer2IdLabel{" Layer 2 identificator......... ", " Идентификатор 2 уровня........ "};
constexpr Label kLayer3IdLabel{" Layer 3 identificator......... ", " Идентификатор 3 уровня........ "};

// The identification line of octet 6 or 7: bits 7-6 (10 or 11), the label, the same two
// digits. In some readings the label follows the bits at once, without the dots of bits
// 5-1, so that line is shorter than its neighbours.
struct LayerId {
    Label label;
    std::string_view id;
    bool dots_en;
    bool dots_ru;
};

// Octet 6 or 7 and the optional octet that may follow it (6a, 7a).
struct LayerOctet {
    Text heading;
    Field protocol;  // bits 5-1
    LayerId id;
    // The octet after an extension bit 0, whose own bit 8 must be 1; without one (an empty
    // heading) the layer octet is shown only when it ends its group.
    Text next_heading = {};
    std::span<const Field> next = {};
};

// What tells the elements that share this walk apart.
struct Profile {
    bool octet_3a;                         // octet 3 may continue in octet 3a
    std::span<const Field> octet_4;        // information transfer rate, transfer mode, extension
    std::span<const Field> octet_5b_v120;  // the V.120 octet 5b
    LayerOctet layer_2;
    LayerOctet layer_3;
};

constexpr Profile kBearer{
    false,
    kBearerOctet4,
    kBearerOctet5bV120,
    {{" 6 octet", " 6 октет"},
     {5, 1, kLayer2Label, kBearerLayer2, kReserved},
     {kLayer2IdLabel, "10", true, true}},
    {{" 7 octet", " 7 октет"},
     {5, 1, kLayer3Label, kBearerLayer3, kReserved},
     {kLayer3IdLabel, "11", false, false}},
};

constexpr Profile kLowLayer{
    true,
    kLowLayerOctet4,
    kLowLayerOctet5bV120,
    {{" 6 octet", " 6 октет"},
     {5, 1, kLayer2Label, kLowLayer2, kReserved},
     {kLayer2IdLabel, "10", false, true},
     {" 6a octet", " 6a octet"},
     kOctet6a},
    {{" 7 octet", " 7 октет"},
     {5, 1, kLayer3Label, kLowLayer3, kReserved},
     {kLayer3IdLabel, "11", false, true},
     {" 7a octet", " 7a octet"},
     kOctet7a},
};

// The octet walk of one element. Contents shorter than the octets their extension bits
// announce still show the announced octets: a missing field prints an empty or shortened
// bit column and the text of its table's last row, and the walk goes on. Only where there
// is no place to go on (the octet-4 group without an extension bit 1 at its end) does the
// element end there.
class OctetWalk {
public:
    OctetWalk(Context& ctx, const Octets& octets, const Profile& profile)
        : ctx_(ctx), octets_(octets), profile_(profile) {}

    void run() {
        const Ext octet_3 = extension(0);
        if (octet_3 == Ext::Missing || (octet_3 == Ext::Continues && !profile_.octet_3a)) return;
        octet({" 3 octet", " 3 октет"}, 0, kOctet3);
        std::size_t octet_4 = 1;
        if (octet_3 == Ext::Continues) {  // octet 3a, which must end the group
            if (extension(1) != Ext::Ends) return;
            octet({" 3a octet", " 3a октет"}, 1, kOctet3a);
            octet_4 = 2;
        }
        if (!octet_4_group(octet_4) || !layer_1_group()) return;
        if (layer_octet(profile_.layer_2)) layer_octet(profile_.layer_3);
    }

private:
    // Bit 8 of an octet: 1 ends its group, 0 announces the next octet; a missing octet
    // has none.
    enum class Ext { Ends, Continues, Missing };
    Ext extension(std::size_t i) const {
        const std::string_view b = bits(i);
        if (b.empty()) return Ext::Missing;
        return b.front() == '1' ? Ext::Ends : Ext::Continues;
    }
    std::string_view bits(std::size_t i) const { return octets_.bits(i); }

    void heading(Text text) { ctx_.line(ctx_.t(text)); }
    void line(std::size_t i, const Field& f) { ctx_.field(bits(i), f, Cut::LastRow); }
    void octet(Text title, std::size_t i, std::span<const Field> fields) {
        heading(title);
        ctx_.fields(bits(i), fields, Cut::LastRow);
    }

    // Octets 4, 4a and 4b from index `i`. False when the group does not end with an
    // extension bit 1 (4b with bit 0, or an octet of the group missing, which has no bit
    // at all): there is then no place to read octet 5 from, and the element ends.
    bool octet_4_group(std::size_t i) {
        octet({" 4 octet", " 4 октет"}, i, profile_.octet_4);
        at_ = i + 1;
        if (extension(i) != Ext::Continues) return extension(i) == Ext::Ends;

        octet({" 4a octet", " 4a октет"}, i + 1, kOctet4a);
        structure(i, i + 1);
        line(i + 1, kExtension);
        at_ = i + 2;
        if (extension(i + 1) != Ext::Continues) return extension(i + 1) == Ext::Ends;

        octet({" 4b octet", " 4b октет"}, i + 2, kOctet4b);
        if (extension(i + 2) != Ext::Ends) return false;
        line(i + 2, kExtension);
        at_ = i + 3;
        return true;
    }

    // The structure line of octet 4a; 000 is the default of the service of octets 3 and 4.
    void structure(std::size_t octet_4, std::size_t octet_4a) {
        const std::string_view b = bits_of(bits(octet_4a), 7, 5);
        if (b != "000") {
            line(octet_4a, kStructureField);
            return;
        }
        const unsigned mode = bits_value(bits(octet_4), 7, 6);
        const unsigned capability = octets_[0] & 0x1F;
        Text text = kOtherDefault;
        if (mode == 0b00 && contains(kCapability, capability)) text = k8kHzDefault;
        if (mode == 0b10 && capability == 0b01000) text = kSduDefault;
        ctx_.field(bits(octet_4a), 7, 5, kStructureField.label, text);
    }

    // Octets 5 to 5d, when octet 5 has layer 1 identification 01. Advances `at_` past them;
    // false when the element ends inside the group (octet 5d without extension bit 1).
    bool layer_1_group() {
        const std::size_t i = at_;
        if (bits_of(bits(i), 7, 6) != "01") return true;
        // A protocol cut by the end of the contents is none of the rate adaptions.
        const unsigned protocol = octets_.has(i) ? octets_[i] & 0x1F : ~0U;
        octet({" 5 octet", " 5 октет"}, i, kOctet5);
        at_ = i + 1;
        if (extension(i) == Ext::Ends) return true;

        octet({" 5a octet", " 5a октет"}, i + 1, kOctet5a);
        at_ = i + 2;
        if (extension(i + 1) == Ext::Ends) return true;

        // Octet 5b has fields only for the V.110 and V.120 rate adaptions; for any other
        // protocol only its extension line is shown.
        if (protocol == kV110) {
            octet({" 5b octet", " 5b октет"}, i + 2, kOctet5bV110);
        } else if (protocol == kV120) {
            octet({" 5b octet", " 5b октет"}, i + 2, profile_.octet_5b_v120);
        } else {
            line(i + 2, kExtension);
        }
        at_ = i + 3;
        if (extension(i + 2) == Ext::Ends) return true;

        octet({" 5c octet", " 5c октет"}, i + 3, kOctet5c);
        at_ = i + 4;
        if (extension(i + 3) == Ext::Ends) return true;

        octet({" 5d octet", " 5d октет"}, i + 4, kOctet5d);
        if (extension(i + 4) != Ext::Ends) return false;
        line(i + 4, kExtension);
        at_ = i + 5;
        return true;
    }

    // Octet 6 or 7 at `at_`, when its bits 7-6 carry the layer's identification; advances
    // `at_` past it (and past its optional octet). False when it is not there.
    bool layer_octet(const LayerOctet& layer) {
        const std::size_t i = at_;
        if (bits_of(bits(i), 7, 6) != layer.id.id) return false;
        if (layer.next.empty() && extension(i) != Ext::Ends) return false;
        heading(layer.heading);
        line(i, layer.protocol);
        const bool dots = ctx_.english() ? layer.id.dots_en : layer.id.dots_ru;
        if (dots) {
            ctx_.field(bits(i), 7, 6, layer.id.label, layer.id.id);
        } else {
            ctx_.line(" .", bits_of(bits(i), 7, 6), ctx_.t(layer.id.label), layer.id.id);
        }
        line(i, kExtension);
        at_ = i + 1;
        if (extension(i) == Ext::Ends) return true;
        if (extension(i + 1) != Ext::Ends) return false;
        octet(layer.next_heading, i + 1, layer.next);
        at_ = i + 2;
        return true;
    }

    Context& ctx_;
    const Octets& octets_;
    const Profile& profile_;
    std::size_t at_ = 0;
};

}  // namespace

void BEARER_CAPABILITY(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kBearerTitle, true)) return;
    BEARER_CAPABILITY_body(ctx, e);
}

void BEARER_CAPABILITY_body(Context& ctx, const Element& e) {
    OctetWalk(ctx, e.octets, kBearer).run();
}

void LOW_LAYER_COMP(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kLowLayerTitle, false)) return;
    OctetWalk(ctx, e.octets, kLowLayer).run();
}

}  // namespace tarn::dss1
