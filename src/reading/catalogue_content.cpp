// SPDX-License-Identifier: MIT
#include "reading/sign_catalogue.h"

#include "reading/translatable.h"

// Every text a reading shows. Short attributes are exact; the prose is ours.

namespace reading {

namespace {

// ---- shared colour texts ----
constexpr SharedText kRed{
    "red",
    READING_TR_NOOP(
        "Reading",
        "Red is the color of energy, courage and vitality, and since ancient times it has been "
        "linked with fire and blood. It raises the pulse, sharpens the senses and gives the wearer "
        "an air of confidence that others notice. People who feel tired, shy or low in spirits can "
        "draw strength from a touch of red. Wear it when you need to be bold, such as at a job "
        "interview, a first date or an important meeting.")};
constexpr SharedText kGreen{
    "green",
    READING_TR_NOOP(
        "Reading",
        "On the positive side, green is the color of nature, growth, harmony and renewal, and it "
        "stands for health, hope and the steady abundance that comes from patient effort; on the "
        "negative side, it has long been tied to envy, jealousy and inexperience, as when we say "
        "someone is green with envy or green at a new job. Above all, green is restful to the eye "
        "and soothing to the mind, easing stress and restoring a sense of calm balance.")};
constexpr SharedText kYellow{
    "yellow",
    READING_TR_NOOP(
        "Reading",
        "Yellow is the color of the intellect, and it is said to stimulate the mind. It is linked "
        "with wisdom, learning and quick, clear thinking, which is why students and writers often "
        "favor it. Yellow is also the color of gold, and it has long been associated with wealth, "
        "success and prosperity. Its bright and cheerful tone lifts the mood and encourages "
        "optimism. A little yellow helps you make decisions with a clear head.")};
constexpr SharedText kWhite{
    "white",
    READING_TR_NOOP(
        "Reading",
        "White is the color of purity, innocence and new beginnings. It brings a feeling of peace "
        "and quiet to any space and calms a restless mind. Because it holds every color of the "
        "spectrum in equal measure, white stands for balance and completeness. It is a good choice "
        "whenever you wish to start afresh.")};
constexpr SharedText kOrange{
    "orange",
    READING_TR_NOOP(
        "Reading",
        "Orange is the color of the Sun, warm and radiant like the light of a summer afternoon. It "
        "combines the power and energy of red with the joy and cheer of yellow. Orange is a "
        "friendly, sociable color that invites conversation and makes people feel welcome. Wearing "
        "it shows that you are confident, open and ready to take on the world with enthusiasm.")};
constexpr SharedText kBrown{
    "brown",
    READING_TR_NOOP(
        "Reading",
        "Brown is the color of the earth, of soil, wood and stone, and it speaks of the solid "
        "ground beneath our feet. It stands for stability, reliability and a down-to-earth "
        "approach to life that others find reassuring. Brown brings a sense of comfort and "
        "security, like a warm blanket or a cozy cabin in the woods. People who favor it value "
        "honesty, hard work and the simple pleasures of home and family.")};
constexpr SharedText kViolet{
    "violet",
    READING_TR_NOOP(
        "Reading",
        "Violet is the color of sensitivity and deep compassion, and it has long been connected "
        "with the spiritual side of life. Healers and mystics prize it for its power to soothe the "
        "soul and mend the heart. Violet also awakens the imagination and nourishes creativity, "
        "making it a favorite of artists, poets and musicians. It encourages quiet reflection and "
        "a gentle understanding of others.")};

// ---- shared planet texts ----
constexpr SharedText kMars{
    "Mars",
    READING_TR_NOOP(
        "Reading",
        "Mars rules a person's assertiveness, physical power and anger. Depending on the house in "
        "which it falls, it shows where these forces can stir up conflict and trouble.")};
constexpr SharedText kVenus{
    "Venus",
    READING_TR_NOOP(
        "Reading",
        "Venus governs how a person expresses themselves socially, romantically and through the "
        "arts.")};
constexpr SharedText kMercury{
    "Mercury",
    READING_TR_NOOP("Reading",
                    "Mercury rules the way that a person thinks, speaks and shares ideas.")};
constexpr SharedText kMoon{
    "Moon",
    READING_TR_NOOP(
        "Reading",
        "The Moon governs a person's feelings and emotional needs, and it reflects the upbringing "
        "and habits formed in early childhood. It also rules the unconscious mind, which shapes "
        "many decisions made without quite knowing why.")};
constexpr SharedText kSun{
    "Sun",
    READING_TR_NOOP(
        "Reading",
        "The Sun is the giver of life, the source of the light and warmth that all things need to "
        "grow. In astrology it is the backbone of the whole chart, since its sign at birth is the "
        "one most people know as their own. The Sun stands for the self, the will and the vital "
        "spark that drives a person forward. On its good side it brings confidence, generosity, "
        "dignity and a warm heart. On its evil side it can breed pride, arrogance, vanity and a "
        "need to be the center of attention. When the Sun is strongly placed in a chart, the "
        "person tends to be healthy, energetic and full of purpose. Such people are natural "
        "leaders who rise to positions of authority and shine in public life. Yet they must learn "
        "to share the stage, or their brilliance may blind them to others.")};
constexpr SharedText kJupiter{
    "Jupiter",
    READING_TR_NOOP(
        "Reading",
        "Jupiter brings optimism, good fortune and growth, and its house placement shows where in "
        "life hope comes easily.")};
constexpr SharedText kSaturn{
    "Saturn",
    READING_TR_NOOP(
        "Reading",
        "Saturn is the planet of obstacles, restrictions and limitations. It tests a person "
        "through delay and hard lessons.")};

constexpr std::array<const SharedText*, 7> kColorTexts = {&kRed,    &kGreen, &kYellow, &kWhite,
                                                          &kOrange, &kBrown, &kViolet};
constexpr std::array<const SharedText*, 7> kPlanetTexts = {&kMars, &kVenus,   &kMercury, &kMoon,
                                                           &kSun,  &kJupiter, &kSaturn};

// ---- design lines ----
constexpr std::string_view kAriesDesign[] = {
    READING_TR_NOOP(
        "Reading",
        "You will love a home full of energy and movement, with bold red accents, strong lines and "
        "furniture that is simple, sturdy and easy to rearrange on a sudden whim."),
    READING_TR_NOOP(
        "Reading",
        "You prefer sleek modern furniture in metal and glass to fussy antiques and delicate "
        "ornaments."),
    READING_TR_NOOP("Reading", "You will like a simple kitchen built for quick, no-fuss cooking."),
    READING_TR_NOOP("Reading",
                    "A home gym or a spare corner with exercise gear will keep you fit and happy."),
    READING_TR_NOOP(
        "Reading",
        "You will want the latest sound system and large, dramatic artwork that makes a statement "
        "the moment anyone steps inside."),
};
constexpr std::string_view kTaurusDesign[] = {
    READING_TR_NOOP(
        "Reading",
        "You will love a comfortable, luxurious home filled with solid wood furniture, sofas with "
        "plump cushions, and soft fabrics such as velvet, chenille and cashmere that beg to be "
        "touched."),
    READING_TR_NOOP(
        "Reading",
        "You will adore a lavish kitchen with a large table, because good food and the company of "
        "friends are among your greatest pleasures."),
    READING_TR_NOOP(
        "Reading",
        "You prefer earthy tones of green, cream and rose, with natural materials like stone, "
        "linen and clay, and you will fill your rooms and garden with flowers."),
    READING_TR_NOOP(
        "Reading",
        "Quality matters more to you than quantity, so you will gladly save up for one beautiful "
        "piece that will last you a whole lifetime."),
};
constexpr std::string_view kGeminiDesign[] = {
    READING_TR_NOOP(
        "Reading",
        "You will love light, airy rooms with plenty of windows, pale walls and flexible furniture "
        "that can be moved around easily whenever you feel the urge for a change of scene."),
    READING_TR_NOOP(
        "Reading",
        "You will like bookshelves in every room, filled with books, magazines and puzzles."),
    READING_TR_NOOP("Reading", "A cozy reading nook is an absolute must for you."),
    READING_TR_NOOP(
        "Reading",
        "You will enjoy having the newest gadgets, phones and computers close at hand in every "
        "room."),
    READING_TR_NOOP("Reading", "Touches of bright yellow will keep your spirits lively and high."),
};
constexpr std::string_view kCancerDesign[] = {
    READING_TR_NOOP("Reading",
                    "You will love a warm family home in which everyone feels safe and welcome."),
    READING_TR_NOOP(
        "Reading",
        "You will treasure heirlooms, old photographs and antiques that carry family memories, and "
        "you will display them with pride."),
    READING_TR_NOOP(
        "Reading",
        "The kitchen is the heart of your home, and you will want it roomy, cozy and always well "
        "stocked."),
    READING_TR_NOOP("Reading", "You like soft curves and snug, rounded furniture to sink into."),
    READING_TR_NOOP(
        "Reading",
        "You will like soothing shades of white, silver and sea blue throughout the house."),
    READING_TR_NOOP("Reading", "A view of water or a little garden pond will delight you."),
};
constexpr std::string_view kLeoDesign[] = {
    READING_TR_NOOP("Reading", "You will love a grand, stately home that impresses visitors."),
    READING_TR_NOOP(
        "Reading",
        "Your living room will be a showpiece, with a plush sofa, a crystal chandelier and a touch "
        "of theater."),
    READING_TR_NOOP(
        "Reading",
        "You will adore rich fabrics such as silk, brocade and velvet in deep regal colors."),
    READING_TR_NOOP(
        "Reading",
        "Gold and brass accents, gilded mirrors and warm, sunny shades of orange and red suit you "
        "perfectly."),
    READING_TR_NOOP(
        "Reading",
        "You will prefer large, eye-catching furniture and impressive art over anything small or "
        "understated, since your home must make a statement."),
    READING_TR_NOOP(
        "Reading",
        "A generous dining room where you can entertain your friends in style is essential."),
};
constexpr std::string_view kVirgoDesign[] = {
    READING_TR_NOOP(
        "Reading",
        "You will love a clean, bright, uncluttered home where everything has its proper place."),
    READING_TR_NOOP(
        "Reading",
        "You prefer simple, functional furniture with clean lines, plenty of built-in storage and "
        "drawers that keep everything tidy."),
    READING_TR_NOOP(
        "Reading",
        "You will like natural materials such as wood, cotton and wicker, in calm shades of brown, "
        "beige and soft green, which give your rooms a restful, orderly feel."),
    READING_TR_NOOP(
        "Reading",
        "A well-equipped study or home office, with neatly labeled files and a good desk lamp, is "
        "important to you."),
    READING_TR_NOOP("Reading", "You will enjoy a little herb garden on a sunny windowsill."),
};
constexpr std::string_view kLibraDesign[] = {
    READING_TR_NOOP(
        "Reading",
        "You will love an elegant, harmonious home where all is balanced and well proportioned."),
    READING_TR_NOOP(
        "Reading",
        "You prefer graceful furniture arranged in pairs, with matching lamps and symmetrical "
        "groupings of pictures."),
    READING_TR_NOOP("Reading", "You will like soft pastels and olive green, with touches of pink."),
    READING_TR_NOOP("Reading", "Fresh flowers will always brighten your rooms."),
    READING_TR_NOOP("Reading", "You will enjoy fine art and beautiful old mirrors."),
};
constexpr std::string_view kScorpioDesign[] = {
    READING_TR_NOOP("Reading", "You will love a private home that keeps the world at bay."),
    READING_TR_NOOP(
        "Reading",
        "You prefer dramatic, moody interiors with deep colors, dark wood and low lighting."),
    READING_TR_NOOP(
        "Reading",
        "You will like heavy curtains, hidden cupboards and rooms that keep your secrets."),
    READING_TR_NOOP(
        "Reading",
        "A luxurious bathroom with a deep tub is your favorite place to relax and recharge."),
    READING_TR_NOOP("Reading", "You will enjoy crisp white bed linen set against dark walls."),
    READING_TR_NOOP("Reading", "Mirrors and candlelight add mystery for you."),
};
constexpr std::string_view kSagittariusDesign[] = {
    READING_TR_NOOP("Reading",
                    "You will love a relaxed, open-plan home with room to move and to entertain."),
    READING_TR_NOOP("Reading", "You prefer souvenirs and folk crafts from your travels abroad."),
    READING_TR_NOOP("Reading",
                    "You will like old maps, globes and shelves crowded with travel books."),
    READING_TR_NOOP("Reading", "Violet and purple are the colors for you."),
    READING_TR_NOOP("Reading",
                    "You will enjoy casual, sturdy furniture that can take a bit of rough use."),
    READING_TR_NOOP("Reading", "A big porch or sunny patio will suit you well."),
};
constexpr std::string_view kCapricornDesign[] = {
    READING_TR_NOOP("Reading",
                    "You will love a traditional, dignified home that is built to last."),
    READING_TR_NOOP("Reading",
                    "You prefer classic furniture of solid oak, leather and quality wool."),
    READING_TR_NOOP("Reading",
                    "You will like a well-ordered study with a large desk and a leather chair."),
    READING_TR_NOOP("Reading", "Muted tones of green, gray and blue suit you."),
    READING_TR_NOOP(
        "Reading",
        "You will enjoy antiques and family portraits that show a sense of history and heritage."),
    READING_TR_NOOP("Reading", "Floors of good stone or slate will please you."),
    READING_TR_NOOP(
        "Reading",
        "You will buy fewer things, but each piece you choose will be of lasting quality."),
};
constexpr std::string_view kAquariusDesign[] = {
    READING_TR_NOOP("Reading",
                    "You will love an unusual, modern home that reflects your individuality."),
    READING_TR_NOOP(
        "Reading",
        "You prefer open-plan living with futuristic furniture in glass, chrome and molded "
        "plastic."),
    READING_TR_NOOP("Reading", "You will like the latest smart-home gadgets and new technology."),
    READING_TR_NOOP("Reading", "White walls with electric blue accents suit you."),
    READING_TR_NOOP(
        "Reading",
        "You will enjoy quirky, one-of-a-kind pieces that spark conversation among your friends."),
    READING_TR_NOOP(
        "Reading",
        "A large room where friends can gather for lively discussions is a must for you."),
};
constexpr std::string_view kPiscesDesign[] = {
    READING_TR_NOOP("Reading", "You will love a peaceful, dreamy home near the water."),
    READING_TR_NOOP(
        "Reading",
        "You prefer soft, flowing fabrics, sheer white curtains and gently curved furniture."),
    READING_TR_NOOP("Reading",
                    "You will like shades of sea green, lavender and soft violet on your walls."),
    READING_TR_NOOP("Reading", "An aquarium full of fish would bring you joy."),
    READING_TR_NOOP("Reading", "You will enjoy a quiet room for music and art."),
    READING_TR_NOOP("Reading", "Soft lighting and scented candles will help you to unwind."),
};

const std::array<SignProfile, 12> kCatalogue = {{
    {.name = "Aries",
     .element = READING_TR_NOOP("Reading", "Fire"),
     .luckyNumbers = "9",
     .luckyDay = READING_TR_NOOP("Reading", "Tuesday"),
     .compatibility = READING_TR_NOOP("Reading", "Leo and Sagittarius"),
     .birthstone = READING_TR_NOOP("Reading", "Diamond"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are bold, brave and full of energy. You love a challenge and rarely "
                    "back away from one. You are a natural leader who likes to be first. You "
                    "act quickly and decisively when others hesitate. You are honest and say "
                    "exactly what you think. You are enthusiastic, and your zest for life is "
                    "contagious. You have a strong pioneering spirit. You enjoy starting new "
                    "projects and blazing new trails. You are independent and trust your own "
                    "judgment. You are generous with your time, energy and praise. You recover "
                    "quickly from setbacks and never hold a grudge for long. You are "
                    "competitive and play to win. You fiercely protect those you care about "
                    "and will stand up for the weak. Your optimism and courage inspire the "
                    "people around you."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be impatient and hate to wait for anything. You are sometimes "
                    "impulsive and act before you think. Your temper flares up quickly, "
                    "although it cools just as fast. You can be selfish when you want "
                    "something badly. You may be bossy and expect others to follow your lead. "
                    "You tend to lose interest once the excitement of a new project fades. You "
                    "can be reckless and take needless risks. You are often blunt to the point "
                    "of being tactless. You dislike being told what to do. You can be "
                    "aggressive when you feel challenged. You rarely stop to consider the "
                    "feelings of others. You sometimes start more than you can finish."),
     .signPicture = 1,
     .preferredColors = READING_TR_NOOP("Reading", "Red"),
     .colorSwatch = 9,
     .colorText = &kRed,
     .rulingPlanet = READING_TR_NOOP("Reading", "Mars"),
     .planetText = &kMars,
     .designLines = kAriesDesign},
    {.name = "Taurus",
     .element = READING_TR_NOOP("Reading", "Earth"),
     .luckyNumbers = "6",
     .luckyDay = READING_TR_NOOP("Reading", "Friday"),
     .compatibility = READING_TR_NOOP("Reading", "Capricorn and Virgo"),
     .birthstone = READING_TR_NOOP("Reading", "Emerald"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are patient, reliable and wonderfully steady. You are practical and "
                    "have both feet planted firmly on the ground. You are loyal to your "
                    "friends and devoted to your family. You work hard and see every task "
                    "through to the end. You have a great love of beauty, art and music. You "
                    "enjoy the good things in life, such as fine food, soft fabrics and a "
                    "comfortable home. You are warm-hearted and affectionate. You are calm in "
                    "a crisis, and others lean on your strength. You are sensible with money "
                    "and build security over time. You are determined and do not give up "
                    "easily. You have a keen eye for quality. You are generous to those you "
                    "love. You are a faithful and trustworthy partner. Your calm and gentle "
                    "presence puts people at ease."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be stubborn and hate to change your mind. You are sometimes "
                    "possessive of people and things. You may be lazy when comfort calls. You "
                    "can be slow to forgive. You resist change even when it is needed. You are "
                    "prone to overindulgence in food and luxury. You can be materialistic and "
                    "too fond of possessions. You may become jealous in love. Once angered, "
                    "you can be slow to calm down and hard to reason with."),
     .signPicture = 2,
     .preferredColors = READING_TR_NOOP("Reading", "Color Green"),
     .colorSwatch = 4,
     .colorText = &kGreen,
     .rulingPlanet = READING_TR_NOOP("Reading", "Venus"),
     .planetText = &kVenus,
     .designLines = kTaurusDesign},
    {.name = "Gemini",
     .element = READING_TR_NOOP("Reading", "Air"),
     .luckyNumbers = "5",
     .luckyDay = READING_TR_NOOP("Reading", "Wednesday"),
     .compatibility = READING_TR_NOOP("Reading", "Aquarius and Libra"),
     .birthstone = READING_TR_NOOP("Reading", "Agate"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are quick-witted, clever and endlessly curious. You love to learn and "
                    "absorb new information with ease. You are a brilliant talker who can chat "
                    "with anyone about anything. You are adaptable and handle change "
                    "gracefully. You have a lively sense of humor. You are youthful in spirit "
                    "at any age. You can juggle several tasks at once. You are sociable and "
                    "make friends wherever you go. You are inventive and full of bright ideas. "
                    "You write and speak with flair and can explain complex ideas in simple "
                    "words. You enjoy variety and keep life interesting for everyone around "
                    "you. You see both sides of every argument. You are open-minded and "
                    "tolerant of other points of view. Your energy and charm make you "
                    "delightful company at any gathering."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be restless and easily bored. You are sometimes inconsistent and "
                    "change your mind by the hour. You may be superficial and skim the surface "
                    "of things. You can be nervous and high-strung. You tend to gossip more "
                    "than you should. You find it hard to commit to one plan or one person. "
                    "You can be cunning when it suits you. You often scatter your energy "
                    "across too many projects. You may seem unreliable to others. You can talk "
                    "your way out of trouble too easily. You sometimes rely on charm rather "
                    "than hard work to get by."),
     .signPicture = 3,
     .preferredColors = READING_TR_NOOP("Reading", "Yellow"),
     .colorSwatch = 12,
     .colorText = &kYellow,
     .rulingPlanet = READING_TR_NOOP("Reading", "Mercury"),
     .planetText = &kMercury,
     .designLines = kGeminiDesign},
    {.name = "Cancer",
     .element = READING_TR_NOOP("Reading", "Water"),
     .luckyNumbers = "2",
     .luckyDay = READING_TR_NOOP("Reading", "Monday"),
     .compatibility = READING_TR_NOOP("Reading", "Pisces and Scorpio"),
     .birthstone = READING_TR_NOOP("Reading", "Pearl"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are caring, loving and deeply protective. You always put your family "
                    "first. You have a wonderful memory, especially for people and events from "
                    "the past. You are intuitive and can sense what others are feeling. You "
                    "are loyal and stand by your loved ones through thick and thin. You are "
                    "sympathetic and a good listener. You are imaginative and creative. You "
                    "are tenacious and hold on to what matters to you. You are a natural "
                    "homemaker. You love to cook for the people you care about. You are "
                    "gentle, kind and patient. You are shrewd with money and rarely waste it. "
                    "You are patriotic and proud of your roots. You cherish tradition and "
                    "family history. You make others feel safe and welcome. You are "
                    "emotionally intelligent. You are quick to comfort anyone in distress. You "
                    "are persuasive in a quiet way. Your tender heart and devotion make you a "
                    "treasured friend."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be moody, and your feelings change like the tides. You are "
                    "sometimes overly sensitive and easily hurt. You may cling to the past and "
                    "find it hard to let go. You can be overprotective of the people you love. "
                    "You tend to worry about things that may never happen. You can retreat "
                    "into your shell when upset. You are sometimes manipulative when you feel "
                    "insecure. You may be touchy and take harmless remarks to heart. You can "
                    "hold on to grudges for years. You are prone to self-pity when things go "
                    "wrong. You can be suspicious of strangers. You sometimes smother others "
                    "with too much care and attention."),
     .signPicture = 4,
     .preferredColors = READING_TR_NOOP("Reading", "White"),
     .colorSwatch = 14,
     .colorText = &kWhite,
     .rulingPlanet = READING_TR_NOOP("Reading", "The Moon"),
     .planetText = &kMoon,
     .designLines = kCancerDesign},
    {.name = "Leo",
     .element = READING_TR_NOOP("Reading", "Fire"),
     .luckyNumbers = READING_TR_NOOP("Reading", "8 and 9"),
     .luckyDay = READING_TR_NOOP("Reading", "Sunday"),
     .compatibility = READING_TR_NOOP("Reading", "Aries and Sagittarius"),
     .birthstone = READING_TR_NOOP("Reading", "Ruby"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are generous, warm-hearted and big-spirited. You are a born leader "
                    "who takes charge with style and grace. You are confident and carry "
                    "yourself with natural dignity. You are creative and have a flair for the "
                    "dramatic. You are loyal to your friends and fiercely protective of them. "
                    "You are cheerful and bring sunshine wherever you go. You are enthusiastic "
                    "about life and live it to the full. You are broad-minded and tolerant of "
                    "human failings. You are ambitious and aim for the very top in all you do. "
                    "You are honest and expect honesty in return. You are playful and love to "
                    "have fun with friends and children alike. You are a wonderful host who "
                    "loves to entertain. You are courageous in the face of difficulty. You "
                    "have a great capacity for love and affection. You are proud of your "
                    "achievements, and rightly so. You encourage others to shine as well and "
                    "praise them generously. You are faithful in love and true to your word. "
                    "Your warmth and magnetism draw admirers to you like moths to a flame."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be vain and love to be admired. You are sometimes arrogant and "
                    "overbearing. You may be pompous when you feel important. You can be bossy "
                    "and patronizing. You like to be the center of attention at all times. You "
                    "are easily wounded by criticism. You can be stubborn about your opinions. "
                    "You sometimes spend lavishly beyond your means. You may be intolerant of "
                    "people who do not share your views. You can be dogmatic and refuse to "
                    "admit you are wrong. You dislike playing second fiddle to anyone. You "
                    "tend to exaggerate your own importance. You can sulk when ignored. You "
                    "sometimes demand loyalty while forgetting that it must be earned."),
     .signPicture = 5,
     .preferredColors = READING_TR_NOOP("Reading", "Red"),
     .colorSwatch = 9,
     .colorText = &kOrange,
     .rulingPlanet = READING_TR_NOOP("Reading", "The Sun"),
     .planetText = &kSun,
     .designLines = kLeoDesign},
    {.name = "Virgo",
     .element = READING_TR_NOOP("Reading", "Earth"),
     .luckyNumbers = READING_TR_NOOP("Reading", "3 and 5"),
     .luckyDay = READING_TR_NOOP("Reading", "Wednesday"),
     .compatibility = READING_TR_NOOP("Reading", "Capricorn and Taurus"),
     .birthstone = READING_TR_NOOP("Reading", "Sapphire"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are modest, practical and hard-working. You have a sharp, analytical "
                    "mind. You pay great attention to detail and rarely miss a thing. You are "
                    "reliable and always do what you promise. You are neat, methodical and "
                    "well organized. You are kind and love to be of service to others. You are "
                    "intelligent and express yourself clearly. You take good care of your "
                    "health and keep yourself fit. You are honest and conscientious in all "
                    "that you do. Your quiet efficiency makes you an invaluable friend and "
                    "colleague."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be fussy and overly critical of others. You are sometimes a "
                    "perfectionist who is never satisfied. You may worry too much about small "
                    "things. You can be harsh in your judgments. You tend to be a little too "
                    "conservative. You often neglect your own needs while caring for others. "
                    "You can be shy and reluctant to show your feelings."),
     .signPicture = 6,
     .preferredColors = READING_TR_NOOP("Reading", "Brown"),
     .colorSwatch = 15,
     .colorText = &kBrown,
     .rulingPlanet = READING_TR_NOOP("Reading", "Mercury"),
     .planetText = &kMercury,
     .designLines = kVirgoDesign},
    {.name = "Libra",
     .element = READING_TR_NOOP("Reading", "Air"),
     .luckyNumbers = READING_TR_NOOP("Reading", "6 and 9"),
     .luckyDay = READING_TR_NOOP("Reading", "Friday"),
     .compatibility = READING_TR_NOOP("Reading", "Aquarius and Gemini"),
     .birthstone = READING_TR_NOOP("Reading", "Opal"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are charming, diplomatic and easygoing. You have a strong sense of "
                    "fairness and justice. You are a natural peacemaker in any dispute. You "
                    "are romantic and idealistic in love. You appreciate beauty in all its "
                    "forms. You have refined taste and an eye for elegance. You are sociable "
                    "and enjoy good company. You are gracious and polite, even to people you "
                    "dislike. You see every side of a question before you decide. You work "
                    "best in partnership with others. You are cooperative and tactful. You are "
                    "a gentle and considerate friend. You bring harmony to any group. Your "
                    "grace and good manners win you friends wherever you go and make every "
                    "gathering you attend a little more pleasant for everyone who shares it "
                    "with you."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be indecisive and spend ages weighing up every option. You are "
                    "sometimes easily influenced by the opinions of others. You may be "
                    "flirtatious and a little fickle in matters of love. You tend to avoid "
                    "confrontation even when it is truly needed. You can be self-indulgent and "
                    "lazy when it suits you. You sometimes hide your true feelings just to "
                    "keep the peace."),
     .signPicture = 7,
     .preferredColors = READING_TR_NOOP("Reading", "Olive Green"),
     .colorSwatch = 7,
     .colorText = &kGreen,
     .rulingPlanet = READING_TR_NOOP("Reading", "Venus"),
     .planetText = &kVenus,
     .designLines = kLibraDesign},
    {.name = "Scorpio",
     .element = READING_TR_NOOP("Reading", "Water"),
     .luckyNumbers = READING_TR_NOOP("Reading", "2 and 4"),
     .luckyDay = READING_TR_NOOP("Reading", "Tuesday"),
     .compatibility = READING_TR_NOOP("Reading", "Cancer and Pisces"),
     .birthstone = READING_TR_NOOP("Reading", "Topaz"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are determined and forceful, and once you set your sights on a goal "
                    "you pursue it to the end. You are passionate and throw your whole heart "
                    "into everything you do. You have a deep emotional intelligence and can "
                    "see right through pretense. You are loyal, and your devotion to those you "
                    "love knows no bounds. You are resourceful and never run out of ways to "
                    "solve a difficult problem. You are brave and face even the darkest "
                    "challenges of life without flinching. You have a magnetic personality "
                    "that others find hard to resist. You are perceptive and often know what "
                    "people are thinking before they speak. You keep secrets well, and friends "
                    "trust you with their most private thoughts and fears."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be jealous and possessive in your relationships. You are "
                    "sometimes secretive to the point of being mysterious even to your closest "
                    "friends. You may be resentful and find it hard to forgive a wrong. You "
                    "can be compulsive and obsessive when something grips you. You have a "
                    "sharp sting when crossed. You are sometimes suspicious of other people's "
                    "motives. You can be stubborn and unwilling to compromise. You tend to "
                    "keep your feelings bottled up until they explode. You may seek revenge "
                    "when you feel betrayed, even long after the event."),
     .signPicture = 8,
     .preferredColors = READING_TR_NOOP("Reading", "White"),
     .colorSwatch = 14,
     .colorText = &kWhite,
     .rulingPlanet = READING_TR_NOOP("Reading", "Pluto and Mars"),
     .planetText = &kMars,
     .designLines = kScorpioDesign},
    {.name = "Sagittarius",
     .element = READING_TR_NOOP("Reading", "Fire"),
     .luckyNumbers = READING_TR_NOOP("Reading", "5 and 7"),
     .luckyDay = READING_TR_NOOP("Reading", "Thursday"),
     .compatibility = READING_TR_NOOP("Reading", "Aries and Leo"),
     .birthstone = READING_TR_NOOP("Reading", "Turquoise"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are optimistic, cheerful and full of good humor. You love freedom and "
                    "need plenty of room to roam. You are adventurous and eager to explore "
                    "far-off places and new ideas. You are honest and straightforward, and you "
                    "always say what you mean. You are broad-minded and open to every culture "
                    "and way of life. You are a natural philosopher who wonders about the "
                    "meaning of things. You are generous with your time, your money and your "
                    "laughter. You are enthusiastic and inspire others with your zest for "
                    "life. You are intellectual and love to study, read and debate big "
                    "questions. You are friendly and easy to get along with, whoever you meet. "
                    "You have a great sense of fun and a playful spirit that never grows old. "
                    "You are a lucky soul who bounces back from every misfortune with a smile. "
                    "Your faith in the future and your sense of adventure make life with you "
                    "an exciting journey."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be restless and unable to settle down. You are sometimes careless "
                    "and tactless in what you say. You may be irresponsible when duty calls "
                    "and fun beckons. You tend to promise more than you can deliver. You can "
                    "be impatient with details and daily routine. You are prone to "
                    "exaggeration when you tell a good story. You sometimes take foolish risks "
                    "just for the thrill of it."),
     .signPicture = 9,
     .preferredColors = READING_TR_NOOP("Reading", "Violet"),
     .colorSwatch = 11,
     .colorText = &kViolet,
     .rulingPlanet = READING_TR_NOOP("Reading", "Jupiter"),
     .planetText = &kJupiter,
     .designLines = kSagittariusDesign},
    {.name = "Capricorn",
     .element = READING_TR_NOOP("Reading", "Earth"),
     .luckyNumbers = READING_TR_NOOP("Reading", "8 and 2"),
     .luckyDay = READING_TR_NOOP("Reading", "Saturday"),
     .compatibility = READING_TR_NOOP("Reading", "Taurus and Virgo"),
     .birthstone = READING_TR_NOOP("Reading", "Garnet"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are practical, prudent and ambitious. You are disciplined and work "
                    "steadily toward long-term goals. You are patient and willing to wait for "
                    "success. You are responsible and take your duties seriously. You are "
                    "reliable, and people know they can count on you. You have a dry and witty "
                    "sense of humor. You are persistent and do not give up when things get "
                    "hard. You are careful with money and plan for the future. You respect "
                    "tradition and the wisdom of experience. You are organized and make the "
                    "most of your time. You are loyal to family and friends and stand by them "
                    "for life. You are a capable manager who gets things done. Your quiet "
                    "determination and sense of purpose carry you to the top of any mountain "
                    "you choose to climb."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be pessimistic and expect the worst. You are sometimes rigid and "
                    "set in your ways. You may be too serious and forget to have fun. You can "
                    "be cold and distant with people you do not know well. You tend to be a "
                    "workaholic who neglects rest and play. You can be stubborn and unwilling "
                    "to listen to new ideas. You are sometimes miserly with money. You may "
                    "judge others by their status or success. You can be unforgiving of "
                    "mistakes, including your own. You sometimes bottle up your worries and "
                    "carry the weight of the world alone."),
     .signPicture = 10,
     .preferredColors = READING_TR_NOOP("Reading", "Blue"),
     .colorSwatch = 1,
     .colorText = &kGreen,
     .rulingPlanet = READING_TR_NOOP("Reading", "Saturn"),
     .planetText = &kSaturn,
     .designLines = kCapricornDesign},
    {.name = "Aquarius",
     .element = READING_TR_NOOP("Reading", "Air"),
     .luckyNumbers = READING_TR_NOOP("Reading", "1 and 7"),
     .luckyDay = READING_TR_NOOP("Reading", "Wednesday"),
     .compatibility = READING_TR_NOOP("Reading", "Taurus and Virgo"),
     .birthstone = READING_TR_NOOP("Reading", "Amethyst"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are friendly, humane and deeply concerned with the welfare of others. "
                    "You are original and inventive, always full of fresh ideas. You are "
                    "independent and value your freedom above almost everything. You are "
                    "intellectual and love to explore new theories and technologies. You are "
                    "honest and loyal to your friends, whom you treat as family. You are "
                    "progressive and look to the future rather than the past. You are "
                    "open-minded and accept people as they are. You are a true humanitarian "
                    "who dreams of a better world for everyone. You are clever and can solve "
                    "problems in unusual ways. You are tolerant of differences and quick to "
                    "defend the underdog. Your vision and willingness to be different make you "
                    "a genuine pioneer who helps move the world forward."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be detached and seem emotionally distant to those who love you. "
                    "You are sometimes stubborn and refuse to change your opinions once they "
                    "are formed. You may be unpredictable, and your sudden changes of plan can "
                    "unsettle others. You can be contrary just for the sake of it. You tend to "
                    "rebel against rules, even sensible ones. You are sometimes tactless when "
                    "you speak your mind. You may be aloof and keep people at arm's length. "
                    "You can be so wrapped up in big ideas that you forget practical matters. "
                    "You sometimes value your independence so much that you avoid close ties. "
                    "You can be eccentric in ways that puzzle the people around you."),
     .signPicture = 11,
     .preferredColors = READING_TR_NOOP("Reading", "Blue"),
     .colorSwatch = 1,
     .colorText = &kWhite,
     .rulingPlanet = READING_TR_NOOP("Reading", "Uranus and Saturn"),
     .planetText = &kSaturn,
     .designLines = kAquariusDesign},
    {.name = "Pisces",
     .element = READING_TR_NOOP("Reading", "Water"),
     .luckyNumbers = READING_TR_NOOP("Reading", "2 and 6"),
     .luckyDay = READING_TR_NOOP("Reading", "Friday"),
     .compatibility = READING_TR_NOOP("Reading", "Taurus and Virgo"),
     .birthstone = READING_TR_NOOP("Reading", "Aquamarine"),
     .positiveTraits = READING_TR_NOOP(
         "Reading", "You are imaginative, sensitive and deeply compassionate. You are kind and "
                    "gentle, and you feel the pain of others as if it were your own. You are "
                    "intuitive and often sense things before they happen. You are selfless and "
                    "always ready to help those in need. You are artistic and have a rich "
                    "inner world of dreams. You are adaptable and flow easily with the changes "
                    "of life. You are romantic and devoted in love. You are a wonderful "
                    "listener who never judges or criticizes. You are spiritual and drawn to "
                    "the mysteries of life. You are modest and never seek the limelight for "
                    "yourself. Your gentle soul and generous heart make the world a softer and "
                    "kinder place for all who know you."),
     .negativeTraits = READING_TR_NOOP(
         "Reading", "You can be escapist and retreat into a world of fantasy. You are "
                    "sometimes vague and find it hard to make decisions. You may be easily led "
                    "astray by stronger personalities. You can be oversensitive and take "
                    "things too personally. You tend to be disorganized and often lose track "
                    "of time. You sometimes play the martyr and suffer in silence. You can be "
                    "too trusting, and others may take advantage of your good nature."),
     .signPicture = 12,
     .preferredColors = READING_TR_NOOP("Reading", "Blue"),
     .colorSwatch = 1,
     .colorText = &kViolet,
     .rulingPlanet = READING_TR_NOOP("Reading", "Neptune and Jupiter"),
     .planetText = &kJupiter,
     .designLines = kPiscesDesign},
}};

} // namespace

std::span<const SignProfile> catalogue() {
    return kCatalogue;
}

std::span<const SharedText* const> colorTexts() {
    return kColorTexts;
}

std::span<const SharedText* const> planetTexts() {
    return kPlanetTexts;
}

} // namespace reading
