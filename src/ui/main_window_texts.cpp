#include "ui/main_window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <array>

#include "app/app_context.h"
#include "ui/qt_text.h"
#include "ui/version.h"
#include "workflow/marking_commands.h"

namespace veltora {

namespace {

constexpr const char* M = "main";
constexpr const char* T = "TOOLTIP";
constexpr const char* B = "BiaoZhunDaAn";
constexpr const char* G = "GaoSuSaoMiaoYi";

constexpr std::array kTexts{
    ControlText{"Mnu_File", M, "WENJIAN", nullptr, nullptr},
    ControlText{"Mnu_File_选择图像输入设备", M, "XUANZETUXIANGSHURUSHEBEI", nullptr, nullptr},
    ControlText{"Mnu_File_打印答题卡", M, "DAYINDATIKA", nullptr, nullptr},
    ControlText{"Mnu_File_打印机设置", M, "DAYINJISHEZHI", nullptr, nullptr},
    ControlText{"Mnu_File_设置管理员密码", M, "SHEZHIGUANLIYUANMIMA", nullptr, nullptr},
    ControlText{"Mnu_File_退出", M, "tuichu", nullptr, nullptr},
    ControlText{"Mnu_Scan", M, "XITONGGONGNENG", nullptr, nullptr},
    ControlText{"Mnu_Scan_选择试卷", M, "XUANZESHIJUAN", nullptr, nullptr},
    ControlText{"Mnu_Scan_选择名册", M, "XUANZEMINGCE", nullptr, nullptr},
    ControlText{"Mnu_Scan_阅卷", M, "YUEJUAN", nullptr, nullptr},
    ControlText{"Mnu_Scan_成绩处理", M, "CHENGJIGUANLI", nullptr, nullptr},
    ControlText{"Mnu_Help", M, "bangzhu", nullptr, nullptr},
    ControlText{"Mnu_Help_内容", M, "NEIRONG", nullptr, nullptr},
    ControlText{"Mnu_Help_关于", M, "GUANYU", nullptr, nullptr},
    ControlText{"MNU单张阅卷", M, "DANZHANGYUEJUAN", nullptr, nullptr},
    ControlText{"MNU删除图像", M, "SHANCHUTUXIANG", nullptr, nullptr},
    ControlText{"MNU修改图像", M, "XIUGAITUXIANG", nullptr, nullptr},
    ControlText{"MNU放大缩小", M, "FANGDASUOXIAO", nullptr, nullptr},
    ControlText{"Cmd打印答题卡", M, "DAYINDATIKA", T, "DAYINDATIKA"},
    ControlText{"Cmd选择设备", M, "XUANZETUXIANGSHURUSHEBEI", T, "XUANZETUXIANGSHURUSHEBEI"},
    ControlText{"Cmd1", M, "XUANZESHIJUAN", T, "XUANZESHIJUAN"},
    ControlText{"Cmd2", M, "XUANZEMINGCE", T, "XUANZEMINGCE"},
    ControlText{"Cmd3", M, "YUEJUAN", T, "YUEJUAN"},
    ControlText{"Cmd4", M, "CHENGJIGUANLI", T, "CHENGJIGUANLI"},
    ControlText{"Cmd帮助", M, "bangzhu", T, "BANGZHU"},
    ControlText{"Comb试卷", nullptr, nullptr, T, "SHIJUANCOMB"},
    ControlText{"Cmd保存试卷", M, "BAOCUN", T, "SHIJUANSAVE"},
    ControlText{"Cmd试卷另存为", M, "LINGCUNWEI", T, "SHIJUANSAVEAS"},
    ControlText{"Cmd删除试卷", M, "SHANCHU", T, "SHIJUANSANCHU"},
    ControlText{"cmd试题上移", M, "SHANGYI", T, "SHIJUANMOVEUP"},
    ControlText{"cmd试题下移", M, "XIAYI", T, "SHIJUANMOVEDOWN"},
    ControlText{"Cmd插入试题", M, "CHARU", T, "SHIJUANINSERT"},
    ControlText{"Cmd删除试题", M, "SHANCHU", T, "SHIJUANDELETE"},
    ControlText{"Grid试卷", nullptr, nullptr, T, "SHIJUANGRID"},
    ControlText{"Grid试卷信息", nullptr, nullptr, T, "SHIJUANGRID2"},
    ControlText{"Cmd从excel粘贴答案", B, "CongMSExcelZhanTie", B, "CongMSExcelZhanTieTiShi"},
    ControlText{"Label成批设定", B, "ChenPiSheDing", nullptr, nullptr},
    ControlText{"Label起始题号", B, "TiHaoCong", nullptr, nullptr},
    ControlText{"Label终止题号", B, "Dao", nullptr, nullptr},
    ControlText{"Label分值", B, "FenZhi", nullptr, nullptr},
    ControlText{"Label总题数", B, "ShiJuanZongTiShu", nullptr, nullptr},
    ControlText{"Label试卷总分", B, "ShiJuanZongFenShu", nullptr, nullptr},
    ControlText{"Label成批设评分标准", B, "BIAOZHUN", nullptr, nullptr},
    ControlText{"Label答题卡类型", B, "QingXuanZeDaTiKaLeiXing", nullptr, nullptr},
    ControlText{"Label请选择评分标准", B, "QingXuanZePingFenBiaoZhun", nullptr, nullptr},
    ControlText{"Image成批设定分值", nullptr, nullptr, B, "ZhiXingChengPiSheDingFenZhi"},
    ControlText{"Image成批设定评分标准", nullptr, nullptr, B, "ZhiXingChengPiSheDingBiaoZhun"},
    ControlText{"Comb名册", nullptr, nullptr, T, "MINGCECOMB"},
    ControlText{"Cmd保存名册", M, "BAOCUN", T, "MINGCESAVE"},
    ControlText{"Cmd名册另存为", M, "LINGCUNWEI", T, "MINGCESAVEAS"},
    ControlText{"Cmd删除名册", M, "SHANCHU", T, "MINGCESANCHU"},
    ControlText{"Cmd考生上移", M, "SHANGYI", T, "MINGCEMOVEUP"},
    ControlText{"Cmd考生下移", M, "XIAYI", T, "MINGCEMOVEDOWN"},
    ControlText{"Cmd插入考生", M, "CHARU", T, "MINGCEINSERT"},
    ControlText{"Cmd删除考生", M, "SHANCHU", T, "MINGCEDELETE"},
    ControlText{"Cmd粘贴名册", M, "CONGEXCELZHANTIE", T, "MINGCEEXCEL"},
    ControlText{"Chk自动添加考号", M, "ZIDONGTIANJIAKAOHAO", T, "MINGCEZIDONG"},
    ControlText{"Grid名册", nullptr, nullptr, T, "MINGCEGRID"},
    ControlText{"Cmd摄像头阅卷", M, "QIDOGNSHEXIANGTOU", T, "YUEJUANQIDONG"},
    ControlText{"Cmd自动阅卷", M, "QIDONGSAOMIAOYI", T, "YUEJUANTWAIN"},
    ControlText{"Command启动高速扫描仪", G, "QiDongWenJianJiaJianKong", G, "QiDongWenJianJiaJianKongShuoMing"},
    ControlText{"Cmd打开答题卡图像文件阅卷", M, "DAKAIDANGEDATIKATUXIANGWENJIANYUEJUAN", T, "YUEJUANDANGE"},
    ControlText{"Cmd打开答题卡文件夹成批阅卷", M, "DAKAIDATIKAWENJIANJIACHENGPIYUEJUAN", T, "YUEJUANDUOGE"},
    ControlText{"Cmd终止阅卷", M, "ZHONGZHIYUEJIAN", T, "YUEJUANZHONGZHI"},
    ControlText{"Cmd继续阅卷", M, "JIXUYUEJUAN", T, "YUEJUANJIXU"},
    ControlText{"Cmd删除全部图像", M, "SHANCHUQUANBUTUXIANG", T, "YUEJUANQINGKONG"},
    ControlText{"Frame对选定图像操作", M, "DUIXUANDINGTUXIANGCAOZUO", nullptr, nullptr},
    ControlText{"Cmd单张阅卷", M, "DANZHANGYUEJUAN", T, "YUEJUANDANZHANG"},
    ControlText{"Cmd删除图像文件", M, "SHANCHUTUXIANG", T, "YUEJUANSHANCHU"},
    ControlText{"Cmd修改图像文件", M, "XIUGAITUXIANG", T, "YUEJUANXIUGAI"},
    ControlText{"Picture2", nullptr, nullptr, T, "YUEJUANTU"},
    ControlText{"Grid考生答案", nullptr, nullptr, T, "YUEJUANGRIDDAAN"},
    ControlText{"Grid阅卷情况", nullptr, nullptr, T, "YUEJUANGRIDWENJIAN"},
    ControlText{"Lab按考号查找", M, "ANKAOHAOCHAZHAO", nullptr, nullptr},
    ControlText{"Text按考号查找", nullptr, nullptr, T, "QINGSHURUKAOHAO"},
    ControlText{"Cmd按考号查找", nullptr, nullptr, T, "KAISHICHAZHAO"},
    ControlText{"Lab考生答案", M, "KAOSHENGDAAN", nullptr, nullptr},
    ControlText{"Cmb选择打开成绩", nullptr, nullptr, T, "CHENGJICOMB"},
    ControlText{"Cmd成绩保存", M, "BAOCUN", T, "CHENGJISAVE"},
    ControlText{"Cmd成绩另保存为", M, "LINGCUNWEI", T, "CHENGJISAVEAS"},
    ControlText{"Cmd删除成绩", M, "SHANCHU", T, "CHENGJIDELETE"},
    ControlText{"Cmd输出到EXCEL文件", M, "SHUCHUDAOEXCEL", T, "CHENGJITOEXCEL"},
    ControlText{"Cmd输出到WORD", M, "SHUCHUDAOWORD", T, "CHENGJITOWORD"},
    ControlText{"Grid考生成绩", nullptr, nullptr, T, "CHENGJIGRID1"},
    ControlText{"Grid考试成绩", nullptr, nullptr, T, "CHENGJIGRID2"},
    ControlText{"Grid考试成绩统计", nullptr, nullptr, T, "CHENGJIGRID3"},
};

void SetCaption(QObject& control, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(&control)) {
        menu->setTitle(caption);
    } else if (auto* item = qobject_cast<QAction*>(&control)) {
        item->setText(caption);
    }
}

void SetToolTip(QObject& control, const QString& tip) {
    if (auto* widget = qobject_cast<QWidget*>(&control)) {
        widget->setToolTip(tip);
    } else if (auto* item = qobject_cast<QAction*>(&control)) {
        item->setToolTip(tip);
    }
}

QString Text(const AppContext& context, const char* section, const char* key) {
    return ToQString(context.LangText(section, key));
}

}  // namespace

std::span<const ControlText> MainWindowTexts() { return kTexts; }

QString MainWindowTitle(const AppContext& context) {
    return ToQString(context.ApplicationTitle()) +
           QStringLiteral(" v%1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

QString CommandButtonFontFamily(const QLocale& systemLocale) {
    const bool prc = systemLocale.language() == QLocale::Chinese &&
                     systemLocale.territory() == QLocale::China;
    return prc ? QStringLiteral("宋体") : QStringLiteral("MS Sans Serif");
}

void LabelMainWindow(QWidget& window, const AppContext& context, int sheetEntryCount) {
    window.setWindowTitle(MainWindowTitle(context));
    for (const ControlText& text : kTexts) {
        QObject* control = window.findChild<QObject*>(QString::fromUtf8(text.control));
        if (!control) continue;
        if (text.captionKey) SetCaption(*control, Text(context, text.captionSection, text.captionKey));
        if (text.tipKey) SetToolTip(*control, Text(context, text.tipSection, text.tipKey));
    }
    if (auto* progress = window.findChild<QLabel*>(QStringLiteral("Lab阅卷进度数字化指示"))) {
        progress->setText(ToQString(SheetCountText(sheetEntryCount, context)));
    }
    if (auto* site = window.findChild<QAction*>(QStringLiteral("Mnu_Help_产品网站"))) {
        site->setText(ToQString(context.MakerWebAddress()));
    }
    const QString family = CommandButtonFontFamily(QLocale::system());
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        QFont font = button->font();
        font.setFamilies({family});
        button->setFont(font);
    }
}

}  // namespace veltora
