// Paragraphs of real-shaped prose in the languages the single-byte code pages
// serve, written for the tests (UTF-8). Each is long enough for a detector to
// judge, as the first page of a book is.
#pragma once
#include <string>

namespace qv::samples {

const std::string kRussian =
    u8"Глава первая. Всё смешалось в доме Облонских, но утро выдалось тихое и светлое. Старый "
    u8"садовник прошёл по аллее, поглядел на небо и сказал, что к вечеру непременно будет "
    u8"дождь. Дети бегали по саду, собирали яблоки и громко смеялись, а их мать сидела на "
    u8"веранде с книгой и думала о письме, которое пришло вчера из Москвы. В письме говорилось, "
    u8"что брат приедет в субботу, что он здоров и везёт с собой подарки для всех. Она "
    u8"перечитала его несколько раз, потом сложила и спрятала в карман. Жизнь в деревне шла "
    u8"своим чередом, и никто не ждал перемен.";

const std::string kUkrainian =
    u8"Розділ перший. Над річкою стояв туман, і старий мірошник повільно йшов до млина. Він "
    u8"згадував, як колись, ще юнаком, приїхав у це село із сусіднього міста, як познайомився з "
    u8"дружиною і як вони разом збудували хату біля ставу. Їхні діти виросли й роз'їхалися, але "
    u8"щоліта поверталися додому, приводили онуків, і тоді подвір'я знову сповнювалося гомоном. "
    u8"Він любив ці дні більше за все на світі. Є в житті речі, які неможливо пояснити словами, "
    u8"їх можна тільки відчути серцем.";

const std::string kPolish =
    u8"Rozdział pierwszy. Było to dawno temu, w małym miasteczku nad rzeką, gdzie każdy znał "
    u8"każdego, a życie płynęło powoli i spokojnie. Stary zegarmistrz otwierał swój sklep "
    u8"codziennie o siódmej rano, parzył herbatę i siadał przy oknie, żeby obserwować "
    u8"przechodzących ludzi. Dzieci biegły do szkoły, kobiety niosły koszyki pełne chleba i "
    u8"warzyw, a mężczyźni rozmawiali o pogodzie i o polityce. Wieczorami w gospodzie grała "
    u8"muzyka i tańczono do późna. Nikt wtedy nie przypuszczał, że wkrótce wszystko się zmieni.";

const std::string kCzech =
    u8"Kapitola první. Bylo jednou jedno malé městečko pod horami, kde žili lidé pracovití a "
    u8"veselí. Starý kovář každé ráno rozdmýchal oheň ve výhni a zpíval si písničky, které znal "
    u8"ještě od svého dědečka. Děti běhaly po náměstí, ženy prodávaly na trhu zeleninu a sýr a "
    u8"muži se večer scházeli v hospodě u piva. Jednoho podzimního dne však do města přijel "
    u8"cizinec v dlouhém černém plášti a všichni si začali šeptat, kdo to asi je a co tu chce. "
    u8"Nikdo nevěděl, že přináší zprávu, která změní jejich životy.";

const std::string kGreek =
    u8"Κεφάλαιο πρώτο. Ήταν ένα ήσυχο πρωινό του φθινοπώρου όταν ο γέρος ψαράς κατέβηκε στο "
    u8"λιμάνι και έλυσε τη βάρκα του. Η θάλασσα ήταν γαλήνια και ο ουρανός καθαρός, χωρίς ούτε "
    u8"ένα σύννεφο. Τα παιδιά του χωριού έτρεχαν στην ακρογιαλιά και μάζευαν κοχύλια, ενώ οι "
    u8"γυναίκες άπλωναν τα δίχτυα να στεγνώσουν στον ήλιο. Ο ψαράς κοίταξε για λίγο τον "
    u8"ορίζοντα και σκέφτηκε τον γιο του, που είχε φύγει για την πόλη πριν από πολλά χρόνια και "
    u8"δεν είχε γυρίσει ποτέ.";

const std::string kFrench =
    u8"Chapitre premier. C'était une belle matinée d'été, et la petite ville s'éveillait "
    u8"lentement sous le soleil. Le boulanger avait déjà ouvert sa boutique, et l'odeur du pain "
    u8"chaud se répandait dans les rues étroites. Sur la place, près de la fontaine, deux "
    u8"vieillards discutaient de la pluie et du beau temps, tandis que les enfants couraient "
    u8"vers l'école en riant. Madame Lefèvre, à sa fenêtre, arrosait ses géraniums et saluait "
    u8"les passants. Personne ne se doutait que, ce jour-là, un événement extraordinaire allait "
    u8"bouleverser leur vie tranquille. « Voilà qui est étrange », murmura-t-elle.";

const std::string kGerman =
    u8"Erstes Kapitel. Es war ein kalter Wintermorgen, als der alte Müller die Tür seiner Mühle "
    u8"öffnete und hinaus in den Schnee trat. Über dem Fluss lag dichter Nebel, und die Bäume "
    u8"am Ufer standen stumm und weiß. Er dachte an seine Tochter, die vor vielen Jahren in die "
    u8"große Stadt gezogen war und seitdem nur selten schrieb. „Vielleicht kommt sie zu "
    u8"Weihnachten“, sagte er leise zu sich selbst, während er die schweren Säcke in die Stube "
    u8"trug. Die Kinder des Dorfes spielten draußen und bauten einen großen Schneemann. Am "
    u8"Abend saß die ganze Familie am Ofen, aß Äpfel und hörte Großmutters Geschichten über "
    u8"böse Räuber, kühne Ritter und schöne Prinzessinnen zu.";

const std::string kTurkish =
    u8"Birinci bölüm. Küçük kasabanın dar sokaklarında sabahın erken saatlerinde hayat yavaş "
    u8"yavaş başlıyordu. Yaşlı fırıncı ekmekleri tezgâha dizerken, çocuklar okula doğru "
    u8"koşuyor, kadınlar pazara gitmek için hazırlanıyordu. Çarşının ortasındaki çeşmenin "
    u8"başında iki ihtiyar oturmuş, havadan sudan konuşuyordu. Güneş yükseldikçe sokaklar "
    u8"kalabalıklaşıyor, satıcıların bağırışları birbirine karışıyordu. Kimse o gün kasabaya "
    u8"gelecek olan yabancıdan habersizdi; oysa onun gelişi herkesin hayatını değiştirecekti.";

const std::string kLithuanian =
    u8"Pirmas skyrius. Tai buvo ramus rudens rytas mažame kaime prie ežero. Senasis žvejys "
    u8"anksti atsikėlė, išėjo į kiemą ir pažvelgė į dangų, kuris buvo pilkas ir niūrus. Vaikai "
    u8"dar miegojo, o jo žmona jau kūreno krosnį ir virė košę. Jis prisiminė, kaip jaunystėje "
    u8"plaukdavo į ežerą su tėvu ir kaip jie kartu traukdavo tinklus, pilnus žuvų. Dabar viskas "
    u8"buvo kitaip: žuvų mažiau, o jėgų taip pat nebedaug. Tačiau jis vis tiek kiekvieną dieną "
    u8"ėjo prie vandens, nes negalėjo gyventi kitaip.";

const std::string kEstonian =
    u8"Esimene peatükk. Oli vaikne sügisene hommik väikeses külas järve ääres. Vana kalur "
    u8"tõusis vara, läks õue ja vaatas taevasse, mis oli hall ja sünge. Lapsed magasid veel, "
    u8"kuid tema naine kütis juba ahju ja keetis putru. Ta mäletas, kuidas ta nooruses isaga "
    u8"järvele sõitis ja kuidas nad koos võrke välja tõmbasid, mis olid kalu täis. Nüüd oli "
    u8"kõik teisiti: kalu oli vähem ja jõudu samuti. Ometi läks ta iga päev vee äärde, sest "
    u8"teisiti ta elada ei osanud. Öösel sadas lund ja õhtul tuli pakane.";

}  // namespace qv::samples
