#include "ui/main_window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

// Every control of the main window with the section and key of its caption and tool-tip
// ("" where it has none), as the program documents them.
struct Expected {
    const char* control;
    const char* captionSection;
    const char* captionKey;
    const char* tipSection;
    const char* tipKey;
};

constexpr const char* M = "main";
constexpr const char* T = "TOOLTIP";
constexpr const char* B = "BiaoZhunDaAn";
constexpr const char* G = "GaoSuSaoMiaoYi";

const Expected kControls[] = {
    {"Mnu_File", M, "WENJIAN", "", ""},
    {"Mnu_File_选择图像输入设备", M, "XUANZETUXIANGSHURUSHEBEI", "", ""},
    {"Mnu_File_打印答题卡", M, "DAYINDATIKA", "", ""},
    {"Mnu_File_打印机设置", M, "DAYINJISHEZHI", "", ""},
    {"Mnu_File_设置管理员密码", M, "SHEZHIGUANLIYUANMIMA", "", ""},
    {"Mnu_File_退出", M, "tuichu", "", ""},
    {"Mnu_Scan", M, "XITONGGONGNENG", "", ""},
    {"Mnu_Scan_选择试卷", M, "XUANZESHIJUAN", "", ""},
    {"Mnu_Scan_选择名册", M, "XUANZEMINGCE", "", ""},
    {"Mnu_Scan_阅卷", M, "YUEJUAN", "", ""},
    {"Mnu_Scan_成绩处理", M, "CHENGJIGUANLI", "", ""},
    {"Mnu_Help", M, "bangzhu", "", ""},
    {"Mnu_Help_内容", M, "NEIRONG", "", ""},
    {"Mnu_Help_关于", M, "GUANYU", "", ""},
    {"MNU单张阅卷", M, "DANZHANGYUEJUAN", "", ""},
    {"MNU删除图像", M, "SHANCHUTUXIANG", "", ""},
    {"MNU修改图像", M, "XIUGAITUXIANG", "", ""},
    {"MNU放大缩小", M, "FANGDASUOXIAO", "", ""},
    {"Cmd打印答题卡", M, "DAYINDATIKA", T, "DAYINDATIKA"},
    {"Cmd选择设备", M, "XUANZETUXIANGSHURUSHEBEI", T, "XUANZETUXIANGSHURUSHEBEI"},
    {"Cmd1", M, "XUANZESHIJUAN", T, "XUANZESHIJUAN"},
    {"Cmd2", M, "XUANZEMINGCE", T, "XUANZEMINGCE"},
    {"Cmd3", M, "YUEJUAN", T, "YUEJUAN"},
    {"Cmd4", M, "CHENGJIGUANLI", T, "CHENGJIGUANLI"},
    {"Cmd帮助", M, "bangzhu", T, "BANGZHU"},
    {"Comb试卷", "", "", T, "SHIJUANCOMB"},
    {"Cmd保存试卷", M, "BAOCUN", T, "SHIJUANSAVE"},
    {"Cmd试卷另存为", M, "LINGCUNWEI", T, "SHIJUANSAVEAS"},
    {"Cmd删除试卷", M, "SHANCHU", T, "SHIJUANSANCHU"},
    {"cmd试题上移", M, "SHANGYI", T, "SHIJUANMOVEUP"},
    {"cmd试题下移", M, "XIAYI", T, "SHIJUANMOVEDOWN"},
    {"Cmd插入试题", M, "CHARU", T, "SHIJUANINSERT"},
    {"Cmd删除试题", M, "SHANCHU", T, "SHIJUANDELETE"},
    {"Grid试卷", "", "", T, "SHIJUANGRID"},
    {"Grid试卷信息", "", "", T, "SHIJUANGRID2"},
    {"Cmd从excel粘贴答案", B, "CongMSExcelZhanTie", B, "CongMSExcelZhanTieTiShi"},
    {"Label成批设定", B, "ChenPiSheDing", "", ""},
    {"Label起始题号", B, "TiHaoCong", "", ""},
    {"Label终止题号", B, "Dao", "", ""},
    {"Label分值", B, "FenZhi", "", ""},
    {"Label总题数", B, "ShiJuanZongTiShu", "", ""},
    {"Label试卷总分", B, "ShiJuanZongFenShu", "", ""},
    {"Label成批设评分标准", B, "BIAOZHUN", "", ""},
    {"Label答题卡类型", B, "QingXuanZeDaTiKaLeiXing", "", ""},
    {"Label请选择评分标准", B, "QingXuanZePingFenBiaoZhun", "", ""},
    {"Image成批设定分值", "", "", B, "ZhiXingChengPiSheDingFenZhi"},
    {"Image成批设定评分标准", "", "", B, "ZhiXingChengPiSheDingBiaoZhun"},
    {"Comb名册", "", "", T, "MINGCECOMB"},
    {"Cmd保存名册", M, "BAOCUN", T, "MINGCESAVE"},
    {"Cmd名册另存为", M, "LINGCUNWEI", T, "MINGCESAVEAS"},
    {"Cmd删除名册", M, "SHANCHU", T, "MINGCESANCHU"},
    {"Cmd考生上移", M, "SHANGYI", T, "MINGCEMOVEUP"},
    {"Cmd考生下移", M, "XIAYI", T, "MINGCEMOVEDOWN"},
    {"Cmd插入考生", M, "CHARU", T, "MINGCEINSERT"},
    {"Cmd删除考生", M, "SHANCHU", T, "MINGCEDELETE"},
    {"Cmd粘贴名册", M, "CONGEXCELZHANTIE", T, "MINGCEEXCEL"},
    {"Chk自动添加考号", M, "ZIDONGTIANJIAKAOHAO", T, "MINGCEZIDONG"},
    {"Grid名册", "", "", T, "MINGCEGRID"},
    {"Cmd摄像头阅卷", M, "QIDOGNSHEXIANGTOU", T, "YUEJUANQIDONG"},
    {"Cmd自动阅卷", M, "QIDONGSAOMIAOYI", T, "YUEJUANTWAIN"},
    {"Command启动高速扫描仪", G, "QiDongWenJianJiaJianKong", G, "QiDongWenJianJiaJianKongShuoMing"},
    {"Cmd打开答题卡图像文件阅卷", M, "DAKAIDANGEDATIKATUXIANGWENJIANYUEJUAN", T, "YUEJUANDANGE"},
    {"Cmd打开答题卡文件夹成批阅卷", M, "DAKAIDATIKAWENJIANJIACHENGPIYUEJUAN", T, "YUEJUANDUOGE"},
    {"Cmd终止阅卷", M, "ZHONGZHIYUEJIAN", T, "YUEJUANZHONGZHI"},
    {"Cmd继续阅卷", M, "JIXUYUEJUAN", T, "YUEJUANJIXU"},
    {"Cmd删除全部图像", M, "SHANCHUQUANBUTUXIANG", T, "YUEJUANQINGKONG"},
    {"Frame对选定图像操作", M, "DUIXUANDINGTUXIANGCAOZUO", "", ""},
    {"Cmd单张阅卷", M, "DANZHANGYUEJUAN", T, "YUEJUANDANZHANG"},
    {"Cmd删除图像文件", M, "SHANCHUTUXIANG", T, "YUEJUANSHANCHU"},
    {"Cmd修改图像文件", M, "XIUGAITUXIANG", T, "YUEJUANXIUGAI"},
    {"Picture2", "", "", T, "YUEJUANTU"},
    {"Grid考生答案", "", "", T, "YUEJUANGRIDDAAN"},
    {"Grid阅卷情况", "", "", T, "YUEJUANGRIDWENJIAN"},
    {"Lab按考号查找", M, "ANKAOHAOCHAZHAO", "", ""},
    {"Text按考号查找", "", "", T, "QINGSHURUKAOHAO"},
    {"Cmd按考号查找", "", "", T, "KAISHICHAZHAO"},
    {"Lab考生答案", M, "KAOSHENGDAAN", "", ""},
    {"Cmb选择打开成绩", "", "", T, "CHENGJICOMB"},
    {"Cmd成绩保存", M, "BAOCUN", T, "CHENGJISAVE"},
    {"Cmd成绩另保存为", M, "LINGCUNWEI", T, "CHENGJISAVEAS"},
    {"Cmd删除成绩", M, "SHANCHU", T, "CHENGJIDELETE"},
    {"Cmd输出到EXCEL文件", M, "SHUCHUDAOEXCEL", T, "CHENGJITOEXCEL"},
    {"Cmd输出到WORD", M, "SHUCHUDAOWORD", T, "CHENGJITOWORD"},
    {"Grid考生成绩", "", "", T, "CHENGJIGRID1"},
    {"Grid考试成绩", "", "", T, "CHENGJIGRID2"},
    {"Grid考试成绩统计", "", "", T, "CHENGJIGRID3"},
};

// Each text is "<section>/<key>", so a caption shows where it was looked up.
std::string Marker(const std::string& section, const std::string& key) { return section + "/" + key; }

// A language file holding every key of the table, except those in `omitted`.
void WriteTableLanguage(const test::TempHome& home, const std::set<std::string>& omitted = {}) {
    test::LanguageEntries entries{{"info", {{"Language", "Chinese"}}},
                                  {"main", {{"datikawenjianzongshu", "main/datikawenjianzongshu"}}}};
    const auto add = [&](const std::string& section, const std::string& key) {
        if (!key.empty() && !omitted.count(key)) entries[section].emplace_back(key, Marker(section, key));
    };
    for (const Expected& control : kControls) {
        add(control.captionSection, control.captionKey);
        add(control.tipSection, control.tipKey);
    }
    test::WriteLanguageFile(home / "Language.txt", entries);
}

QString CaptionOf(const QObject& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    if (auto* menu = qobject_cast<const QMenu*>(&control)) return menu->title();
    if (auto* item = qobject_cast<const QAction*>(&control)) return item->text();
    return QStringLiteral("(no caption)");
}

QString ToolTipOf(const QObject& control) {
    if (auto* widget = qobject_cast<const QWidget*>(&control)) return widget->toolTip();
    if (auto* item = qobject_cast<const QAction*>(&control)) return item->toolTip();
    return QStringLiteral("(no tool-tip)");
}

class MainWindowTexts : public ::testing::Test {
protected:
    void Label(const std::set<std::string>& omitted = {}) {
        WriteTableLanguage(home_, omitted);
        context_ = std::make_unique<AppContext>(home_.Path());
        window_ = std::make_unique<MainWindow>(*context_);
        window_->ApplyLanguage();
    }
    QObject& Control(const char* name) {
        QObject* control = window_->findChild<QObject*>(QString::fromUtf8(name));
        if (!control) throw std::runtime_error(std::string("missing control ") + name);
        return *control;
    }

    test::TempHome home_{false};
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTexts, EveryControlCarriesItsCaptionAndToolTip) {
    Label();
    for (const Expected& expected : kControls) {
        SCOPED_TRACE(expected.control);
        ASSERT_NE(window_->findChild<QObject*>(QString::fromUtf8(expected.control)), nullptr);
        const QObject& control = Control(expected.control);
        if (*expected.captionKey) {
            EXPECT_EQ(CaptionOf(control).toStdString(), Marker(expected.captionSection, expected.captionKey));
        }
        if (*expected.tipKey) {
            EXPECT_EQ(ToolTipOf(control).toStdString(), Marker(expected.tipSection, expected.tipKey));
        }
    }
}

TEST_F(MainWindowTexts, MissingKeyLeavesTheCaptionEmpty) {
    Label({"BAOCUN", "MINGCEGRID"});
    for (const char* name : {"Cmd保存试卷", "Cmd保存名册", "Cmd成绩保存"}) {
        EXPECT_EQ(CaptionOf(Control(name)), QString()) << name;
        EXPECT_FALSE(ToolTipOf(Control(name)).isEmpty()) << name;
    }
    EXPECT_EQ(ToolTipOf(Control("Grid名册")), QString());
    EXPECT_EQ(CaptionOf(Control("Cmd试卷另存为")), QStringLiteral("main/LINGCUNWEI"));
}

TEST_F(MainWindowTexts, ProgressLabelWebSiteItemAndButtonFonts) {
    Label();
    EXPECT_EQ(CaptionOf(Control("Lab阅卷进度数字化指示")), QStringLiteral("main/datikawenjianzongshu:0"));
    EXPECT_EQ(CaptionOf(Control("Mnu_Help_产品网站")).toStdString(), context_->MakerWebAddress());
    const QString family = CommandButtonFontFamily(QLocale::system());
    for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
        EXPECT_EQ(button->font().family(), family) << button->objectName().toStdString();
    }
}

TEST(CommandButtonFont, FollowsTheChineseSystemLocaleOnly) {
    const struct {
        const char* locale;
        const char* family;
    } cases[] = {
        {"zh_CN", "宋体"}, {"zh_TW", "MS Sans Serif"}, {"zh_SG", "MS Sans Serif"},
        {"en_US", "MS Sans Serif"}, {"de_DE", "MS Sans Serif"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandButtonFontFamily(QLocale(QString::fromLatin1(c.locale))), QString::fromUtf8(c.family))
            << c.locale;
    }
}

}  // namespace
}  // namespace veltora
