// mirune-cli: headless commands on data files, for scripts and the school's records office.

#include "cli_support.h"
#include "commands.h"

#include <QCoreApplication>
#include <functional>

using namespace Qt::StringLiterals;
using namespace mirune::cli;

namespace {

struct Command {
    QString name;
    std::function<int(const QStringList &)> run;
    QString usage; // first line: the synopsis; then what it does
};

const QList<Command> &commandTable() {
    static const QList<Command> table = {
        {u"new"_s, runNew,
         u"mirune-cli new FILE --year Y [--grade G] [--class C] [--teacher NAME]\n"
         "                [--autumn-equinox D] [--spring-equinox D] [--standard-hours] [--force]\n"
         "  Y年度（Y年4月1日～Y+1年3月31日）の新しい計画を、学級の設定のページが最初の日付の\n"
         "  まま保存するとおりに書き出します。休みは春休みが4月4日まで、夏休みが7月20日～\n"
         "  8月31日、冬休みが12月25日～1月7日、春休みが3月19日から。秋分と春分の日は\n"
         "  その年度の本当の日（1980～2098年度の外では9月23日と3月20日）で、\n"
         "  --autumn-equinox D と --spring-equinox D で日を指定できます。国民の祝日・休日を\n"
         "  法律どおりに入れ、計画時数と時間割は空、登録した日はありません。\n"
         "  G は 1～6（省略すると 1）。--standard-hours を付けると、年間計画の基本時数を\n"
         "  その年度と学年の標準授業時数で埋め（年間計画のページの「標準時数を入れる」と\n"
         "  同じ）、「学期に配分」と同じように各学期の授業日数に応じて45分の単位で学期に\n"
         "  配分します。FILE がすでにあるときは --force がなければ置き換えません。"_s},
        {u"holidays"_s, runHolidays,
         u"mirune-cli holidays --year Y\n"
         "  Y年度（Y年4月1日～Y+1年3月31日）の国民の祝日・休日を、法律どおりに日付順で\n"
         "  1行に1日ずつ「YYYY-MM-DD 名前」の形で出力します。土日に当たる祝日、振替休日、\n"
         "  国民の休日も含みます。Y は 1980～2098。"_s},
        {u"info"_s, runInfo,
         u"mirune-cli info FILE\n"
         "  メインウィンドウのステータスバーと同じ学級の行を表示し、続けて特別な休日の数\n"
         "  （国民の祝日14日を含む）、登録した日の数（取り消した日を除く）、取り消した日の\n"
         "  数を表示します。"_s},
        {u"schooldays"_s, runSchooldays,
         u"mirune-cli schooldays FILE [--list]\n"
         "  休日の設定のページと同じ数え方で、1学期・2学期・3学期（4～7月、8～12月、\n"
         "  1～3月）と年間の授業日数を表示します。--list を付けると、代わりに年度の日付を\n"
         "  1日1行で表示します：YYYY-MM-DD、空白、'school'（授業日）または\n"
         "  'holiday'（休日）。"_s},
        {u"summary"_s, runSummary,
         u"mirune-cli summary FILE [--term 1|2|3] [--format text|csv|json|xlsx] [-o OUT]\n"
         "                   [--force]\n"
         "  時数集計のウィンドウと同じ集計を表示します。ウィンドウの行（外国語と外国語活動は\n"
         "  その年度と学年の標準時数にあるか、計画で使うときだけ）それぞれについて、学期（省略\n"
         "  すると1学期）と年間の計画・実績・増減と、実施率（実績が計画の何％か。計画が0の\n"
         "  行は「—」）。text、csv と xlsx は時数を H.R（45分の授業の時数、小数点、15分単位\n"
         "  0～2）で表します。H.R の列は合計できないため、csv と xlsx は表の右に、合計できる\n"
         "  数として時間（15分単位の数 ÷ 3）の列を並べます。csv は日本語の Windows の Excel\n"
         "  がそのまま開けるように、BOM 付きの UTF-8 で、行末は CR LF です。= + - @ ＝ ＋ － ＠\n"
         "  などで始まる名前は、数式にならないように先頭に ' を付けます。xlsx（-o OUT.xlsx が\n"
         "  必要）は Excel のブックです。\n"
         "  json はすべての項目名ごとの15分単位の数を返します：\n"
         "  {\"year\",\"grade\",\"class\",\"teacher\",\"terms\":[{\"plan\",\"actual\"} x3],\n"
         "   \"base\"（年間計画の基本時数）,\"plan\",\"actual\"}。-o OUT を付けると標準出力の\n"
         "  代わりに OUT に書き、OUT は全部を書き終えたときにだけ置き換えます。--format が\n"
         "  なければ OUT の名前（.txt .csv .json .xlsx）の形式で書き、名前と合わない --format は\n"
         "  断ります。OUT はリンクならその先で判断し、その先に書きます。読み込むファイル（別の\n"
         "  名前やリンクでも）、データファイル（.zr2 の名前か、データファイルの中身のもの）、\n"
         "  ほかの形式の名前、通常のファイルでないもの、ないフォルダには書きません。空の\n"
         "  ファイルと、このプログラムが前に書き出した同じ形式の集計（見出しで見分けます）は\n"
         "  置き換え、ほかのファイル（メモ、Excel で保存した名簿など）は --force があるときだけ\n"
         "  置き換えます。\n"
         "mirune-cli summary FILE --by month [--date YYYY-MM-DD] [--format ...] [-o OUT]\n"
         "  時数集計のウィンドウの「月別」と同じ集計：4月～3月の月ごとの授業日数と実績、\n"
         "  年間の実績と計画、今日までの計画（年間の計画 × 過ぎた授業日数 ÷ 年間の授業日数）、\n"
         "  実績との増減、遅れ（足りない時数が1週間分（年間の計画 × 5 ÷ 年間の授業日数、\n"
         "  少なくとも1時間）を超える行）。小計と合計の今日までの計画は、その行の和です。\n"
         "  --date はその「今日」（その日の始め）で、省略すると本当の今日。年度の前は年度の\n"
         "  最初の日、年度の後は次の4月1日（授業日がすべて過ぎた日）にします。text は表の上に\n"
         "  学級と基準日を書き、csv は学校の月別と同じ形で、どの行にも学級と基準日を書きます。\n"
         "  json：{\"year\",\"grade\",\"class\",\"teacher\",\n"
         "  \"date\",\"months\":[{\"month\":\"YYYY-MM\",\"school_days\",\"actual\"} x12],\n"
         "  \"due\"（今日までの計画）,\"behind\":[遅れている行の項目名]}。"_s},
        {u"school"_s, runSchool,
         u"mirune-cli school PATH... [--term 1|2|3] [--format text|csv|json|xlsx] [-o OUT]\n"
         "                  [--force]\n"
         "  学校の学級のデータファイルをまとめて集計します。PATH は .zr2 ファイルか、\n"
         "  .zr2 ファイルの入ったフォルダ（その中だけを見ます）。学級（年度、学年、組、担任、\n"
         "  ファイル）と教科の行ごとに、年間（--term を付けるとその学期）の計画・実績・増減・\n"
         "  実施率を、年度・学年・組の順に1つの表にします（数字の組は全角でも数の順）。\n"
         "  同じファイルは何度指定しても1回だけ数えます。同じ年度の同じ学級の別のファイルが\n"
         "  複数あれば、どれも載せて「重複」と示します。フォルダの中の .zr2 は、リンク切れや\n"
         "  パイプも含めてすべて読みます。読み込めないファイルとフォルダは理由と一緒に標準\n"
         "  エラーに書き、text では表の後の「読み込めなかったファイル」に、xlsx では表の下に\n"
         "  赤で、json では failed に載せます（csv の行には載せません）。ほかのファイルは\n"
         "  集計して、終了コードを 1 にします。1つも読み込めなかったときは -o OUT に何も\n"
         "  書きません。書式と -o、--force は summary と同じで、json は\n"
         "  {\"classes\":[{\"file\",\"year\",\"grade\",\"class\",\"teacher\",\"duplicate\",\n"
         "   \"plan\",\"actual\"}],\"failed\":[{\"file\",\"error\"}]}。\n"
         "mirune-cli school PATH... --by month [--date YYYY-MM-DD] [--format ...] [-o OUT]\n"
         "  学級ごとに summary --by month と同じ月ごとの表を1つの表にします（学級ごとに\n"
         "  授業日数の行と教科の行、基準日（その学級の年度に合わせた --date）、重複、ファイル）。\n"
         "  json の \"classes\" にはそれぞれ \"date\",\"months\",\"due\",\"behind\" が加わり、\n"
         "  xlsx のブックは月別のシートの後に、--by month のないときの表のシートを持ちます。"_s},
        {u"standard-hours"_s, runStandardHours,
         u"mirune-cli standard-hours --year Y --grade G [--format text|json]\n"
         "  Y年度の G 年の標準授業時数（学校教育法施行規則 別表第一）を、時数のある行と\n"
         "  総授業時数で表示します。特別活動の時数は学活の行です。Y は 2002 から。\n"
         "  json：{\"year\",\"grade\",\"curriculum\"（学習指導要領の告示の年）,\"transition\",\n"
         "  \"hours\":{項目名: 時数},\"total\"}。"_s},
        {u"resave"_s, runResave,
         u"mirune-cli resave IN OUT\n"
         "  データファイル IN を読み込み、「上書き保存」と同じように OUT に保存します。"_s},
        {u"register"_s, runRegister,
         u"mirune-cli register FILE --from YYYY-MM-DD --to YYYY-MM-DD [--timetable A|B]\n"
         "  メインウィンドウの「まとめて登録」と同じように、--from から --to までの授業日\n"
         "  （月～金）のうち、まだ記録のない日を、週間時間割 A（省略時）または B の教科と\n"
         "  授業の長さで登録し、「上書き保存」と同じように FILE に保存します。登録した日と\n"
         "  取り消した日はそのままです。登録した日数を出力します。年度の外の日付、逆の期間、\n"
         "  正しくない日付、読み込めないファイルは断り、FILE はそのままです。"_s},
        {u"print"_s, runPrintProgram,
         u"mirune-cli print FILE --sheet SHEET -o OUT.pdf [--paper A4|B4|A3] [--fit] [--force]\n"
         "                  [--date YYYY-MM-DD]\n"
         "  データファイルの印刷用紙を、印刷のウィンドウが印刷するとおりに PDF ファイルに\n"
         "  描きます。SHEET は year, term1-chart, term1-total, term2-chart, term2-total,\n"
         "  term3-chart, term3-total, week-a, week-b, month（印刷のウィンドウの順の10種類の\n"
         "  用紙）のどれか、または all（10種類を、それぞれの向きで1つの PDF の10ページに）。\n"
         "  month（月別時数表）は今日までの計画を --date の日（省略すると本当の今日）で\n"
         "  計算します。\n"
         "  --paper は A4（省略時）、B4（JIS B4、257 x 364 mm）または A3。大きな用紙でも\n"
         "  用紙の大きさと位置はそのままです。印刷できる範囲からはみ出す用紙は全体を縮小し、\n"
         "  そのことを標準エラーに書きます。--fit（用紙に合わせる）を付けると、どの用紙も\n"
         "  印刷できる範囲いっぱいに拡大または縮小し、中央に置きます。IPAフォント（Debian の\n"
         "  パッケージ fonts-ipafont。Windows 版は同じフォルダの fonts に入っています）が\n"
         "  必要です。年度のないファイルは「印刷するデータがありません。」で断ります。\n"
         "  OUT.pdf は文書全体を書き終えたときにだけ置き換え、失敗したときは前のファイルが\n"
         "  残ります。OUT.pdf には summary の -o と同じ決まりがあります：FILE と同じファイル、\n"
         "  ほかのデータファイル、ほかの形式の名前（.csv など）は --force があっても断り、空の\n"
         "  ファイルとこのプログラムが前に書き出した PDF は置き換え、ほかのファイル（ほかの\n"
         "  プログラムの PDF も）は --force があるときだけ置き換えます。"_s},
    };
    return table;
}

void printOverview(QTextStream &stream) {
    stream << u"mirune-cli：ミルネ2002 のデータファイル（.zr2）を扱うコマンド\n\n"_s
           << u"使い方：mirune-cli COMMAND [ARGS]   （コマンドごとの説明は "
              "mirune-cli COMMAND --help）\n\n"_s;
    for (const Command &c : commandTable())
        stream << c.usage << u"\n\n"_s;
    stream
        << u"メッセージは標準エラー出力に出ます。終了コード：0 成功、1 ファイルを読み込めない"
           "か書き込めない、\n2 コマンドラインの誤り。\n"
           "標準出力と標準エラー出力は UTF-8 です。Windows ではコマンドプロンプトの画面に\n"
           "そのまま日本語で表示し（UTF-16 で渡します）、ファイルやパイプには UTF-8 で書きます。\n"_s;
}

int run(const QString &name, const QStringList &args) {
    if (name == u"--help"_s || name == u"-h"_s || name == u"help"_s) {
        printOverview(out());
        return kExitOk;
    }
    for (const Command &c : commandTable()) {
        if (c.name != name)
            continue;
        if (wantsHelp(args)) {
            out() << c.usage << u'\n';
            return kExitOk;
        }
        return c.run(args);
    }
    err() << u"mirune-cli: 「%1」というコマンドはありません。"
             "使い方は「mirune-cli --help」で表示されます。\n"_s.arg(name);
    return kExitUsage;
}

} // namespace

int main(int argc, char **argv) {
    installMessageHandler();
    QCoreApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printOverview(err());
        return finishOutput(u"mirune-cli"_s, kExitUsage);
    }
    const QString name = args.takeFirst();
    return finishOutput(u"mirune-cli "_s + name, run(name, args));
}
