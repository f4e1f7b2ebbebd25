#include "demo/parse_pages.h"

namespace pelizo::demo {
namespace {

// A JavaScript string literal that is also safe inside a <script> element.
std::string scriptString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '<': out += "\\u003c"; break;
        case '>': out += "\\u003e"; break;
        case '&': out += "\\u0026"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default:
            if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

const char* const kPlayerPage = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>@TITLE@</title>
<style>
html, body { margin: 0; height: 100%; background: #0b0d12; color: #e8e8e8; font-family: "Noto Sans CJK SC", sans-serif; overflow: hidden; }
#stage { position: relative; width: 100%; height: 100%; background: #000; }
#stage canvas { width: 100%; height: 100%; display: block; }
#bar { position: absolute; left: 0; right: 0; bottom: 0; height: 38px; display: flex; align-items: center; gap: 12px;
       padding: 0 12px; background: rgba(0, 0, 0, .55); }
#bar button { background: #1f7ae0; color: #fff; border: 0; border-radius: 3px; padding: 5px 12px; cursor: pointer; }
#progress { flex: 1; height: 4px; background: #444; }
#progress div { height: 100%; width: 0; background: #1f7ae0; }
#side { position: absolute; right: 8px; top: 8px; width: 1px; height: 1px; border: 0; }
</style></head>
<body>
<div id="stage">
  <canvas id="screen" width="960" height="540"></canvas>
  <div id="bar"><button id="play">暂停</button><span id="clock">00:00 / 00:30</span>
    <div id="progress"><div></div></div><button id="full">全屏</button></div>
  @FRAME@
</div>
<script>
(function () {
  var service = @SERVICE@, episode = @EPISODE@, length = 30;
  var canvas = document.getElementById('screen'), g = canvas.getContext('2d');
  var playing = true, played = 0, last = performance.now();
  var state = window.demoPlayback = { service: service, episode: episode, playing: true, seconds: 0 };
  function two(n) { return (n < 10 ? '0' : '') + n; }
  function frame(now) {
    if (playing) played = (played + (now - last) / 1000) % length;
    last = now;
    state.seconds = played; state.playing = playing;
    var w = canvas.width, h = canvas.height, t = played / length;
    var sky = g.createLinearGradient(0, 0, w, h);
    sky.addColorStop(0, 'hsl(' + Math.round(360 * t) + ', 55%, 28%)');
    sky.addColorStop(1, 'hsl(' + Math.round(360 * t + 120) % 360 + ', 60%, 14%)');
    g.fillStyle = sky; g.fillRect(0, 0, w, h);
    for (var i = 0; i < 6; i++) {
      var a = played * (0.4 + i * 0.13) + i;
      g.beginPath();
      g.arc(w / 2 + Math.cos(a) * (140 + i * 30), h / 2 + Math.sin(a * 1.3) * (90 + i * 12), 18 + i * 4, 0, Math.PI * 2);
      g.fillStyle = 'hsla(' + (i * 60 + played * 20) % 360 + ', 80%, 60%, .8)'; g.fill();
    }
    g.fillStyle = '#fff'; g.font = 'bold 34px "Noto Sans CJK SC", sans-serif'; g.textAlign = 'center';
    g.fillText(service, w / 2, 70);
    g.font = '18px "Noto Sans CJK SC", sans-serif';
    g.fillText('正在播放：' + episode, w / 2, h - 70);
    document.getElementById('clock').textContent = '00:' + two(Math.floor(played)) + ' / 00:' + two(length);
    document.querySelector('#progress div').style.width = (100 * t) + '%';
    requestAnimationFrame(frame);
  }
  requestAnimationFrame(frame);
  document.getElementById('play').onclick = function () { playing = !playing; this.textContent = playing ? '暂停' : '播放'; };
  document.getElementById('full').onclick = function () {
    if (document.fullscreenElement) document.exitFullscreen(); else document.getElementById('stage').requestFullscreen();
  };
  @EXTRA@
})();
</script>
</body></html>
)HTML";

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::string parseServicePage(const std::string& service, const std::string& target)
{
    std::string title = "演示解析线路 " + service.substr(0, service.find('.'));
    std::string frame;
    std::string extra;
    if (service == "2.html") {
        // Like services that hand over to the platform's own page in a new window.
        extra = "setTimeout(function () { window.open(episode, '_blank'); }, 300);";
    } else if (service == "3.html") {
        // A frame whose name asks the player for its fallback service.
        frame = "<iframe id=\"side\" name=\"player&__dfp=demo\" src=\"/jiexi/frame.html\"></iframe>";
    } else if (service == "5.html") {
        title = "内置解析服务";
    }
    std::string page = kPlayerPage;
    replaceAll(page, "@TITLE@", title);
    replaceAll(page, "@FRAME@", frame);
    replaceAll(page, "@EXTRA@", extra);
    replaceAll(page, "@SERVICE@", scriptString(title));
    replaceAll(page, "@EPISODE@", scriptString(target));
    return page;
}

std::string parseFramePage()
{
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>dfp</body></html>";
}

} // namespace pelizo::demo
