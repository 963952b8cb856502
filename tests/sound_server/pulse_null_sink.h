#pragma once
// A PulseAudio sound server of the test's own, with a null sink (a clocked sink that
// plays to nowhere, in real time), and ALSA's default device pointed at it through ALSA's
// pulse plugin for this process: the road a desktop's sounds take, where the device's delay
// never falls to 0. The daemon runs as root or not, in a private folder, and is ended with
// the fixture.
//
// An idle null sink wakes only every couple of seconds, which would hold the first samples
// of each sound back; a low-latency stream of silence kept playing on it (pacat) keeps it
// awake, as a desktop's other sounds do.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace ks::testing {

class PulseNullSink {
 public:
  explicit PulseNullSink(const std::filesystem::path& dir) : dir_(dir), socket_(dir / "native") {}
  ~PulseNullSink() {
    End(keep_awake_);
    End(daemon_);
  }
  PulseNullSink(const PulseNullSink&) = delete;
  PulseNullSink& operator=(const PulseNullSink&) = delete;

  // Starts the server and points ALSA at it; false, with the reason in `why`, when it
  // cannot run here.
  bool Start(std::string& why) {
    for (const char* tool : {"pulseaudio", "pacat", "pactl"}) {
      if (!OnPath(tool)) {
        why = std::string(tool) + " is not installed (scripts/install-deps.sh installs pulseaudio)";
        return false;
      }
    }
    if (!std::filesystem::exists(kAlsaTopConfig) || !PulsePluginInstalled()) {
      why = "ALSA's pulse plugin is not installed (scripts/install-deps.sh installs libasound2-plugins)";
      return false;
    }
    daemon_ = Spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                     "--disable-shm=yes", "--log-target=stderr",
                     "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket_.string(),
                     "-L", "module-null-sink sink_name=" + std::string(kSink)},
                    "", dir_ / "pulseaudio.log");
    if (!AwaitSocket()) {
      why = "the pulseaudio daemon did not start; its log: " + ReadLog();
      return false;
    }
    keep_awake_ = Spawn({"pacat", "--server=" + Server(), "--playback", "--raw", "--latency-msec=20", "--rate=8000",
                         "--channels=1", "--format=s16le", "--device=" + std::string(kSink)},
                        "/dev/zero", dir_ / "pacat.log");
    std::ofstream(dir_ / "asoundrc") << "pcm.!default { type pulse server \"" << Server() << "\" }\n"
                                     << "ctl.!default { type pulse server \"" << Server() << "\" }\n";
    // The machine's configuration first, then this one over it.
    const std::string config = std::string(kAlsaTopConfig) + ":" + (dir_ / "asoundrc").string();
    ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    return true;
  }

  std::string Server() const { return "unix:" + socket_.string(); }

  // Waits until the sink plays in time: 100 ms of silence played by the server's own tool
  // must be over within half a second. False, with the reason in `why`, when it never is.
  bool AwaitPromptPlayback(std::string& why) {
    const std::filesystem::path silence = dir_ / "silence.raw";
    std::ofstream(silence, std::ios::binary) << std::string(1600, '\0');  // 100 ms at 8 kHz, 16 bits
    for (int attempt = 0; attempt < 12; ++attempt) {
      const auto start = std::chrono::steady_clock::now();
      pid_t pid = Spawn({"pacat", "--server=" + Server(), "--playback", "--raw", "--latency-msec=20", "--rate=8000",
                         "--channels=1", "--format=s16le", "--device=" + std::string(kSink)},
                        silence.string(), dir_ / "pacat.log");
      while (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(4)) End(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500)) return true;
    }
    why = "the null sink never played 100 ms of sound within half a second";
    return false;
  }

  // Suspends or resumes the sink: a suspended sink takes no samples, so no stream on it
  // ever drains.
  bool Suspend(bool suspend) {
    const pid_t pid = Spawn({"pactl", "--server=" + Server(), "suspend-sink", kSink, suspend ? "1" : "0"}, "",
                            dir_ / "pactl.log");
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  // Stops or continues the server process: a stopped server answers nothing and plays
  // nothing.
  bool Pause(bool pause) { return daemon_ > 0 && ::kill(daemon_, pause ? SIGSTOP : SIGCONT) == 0; }

  std::string ReadLog() const {
    std::ifstream in(dir_ / "pulseaudio.log");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  static constexpr const char* kSink = "keystone_null";
  static constexpr const char* kAlsaTopConfig = "/usr/share/alsa/alsa.conf";

  static bool OnPath(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t at = 0;
    while (at <= dirs.size()) {
      const std::size_t end = std::min(dirs.find(':', at), dirs.size());
      if (::access((dirs.substr(at, end - at) + "/" + tool).c_str(), X_OK) == 0) return true;
      at = end + 1;
    }
    return false;
  }

  static bool PulsePluginInstalled() {
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu/alsa-lib", "/usr/lib/aarch64-linux-gnu/alsa-lib",
                            "/usr/lib/alsa-lib", "/usr/lib64/alsa-lib"}) {
      if (std::filesystem::exists(std::filesystem::path(dir) / "libasound_module_pcm_pulse.so")) return true;
    }
    return false;
  }

  // Runs `args` with its own HOME and runtime folder, its input from `input` (nothing when
  // empty) and its output into `log`.
  pid_t Spawn(const std::vector<std::string>& args, const std::string& input, const std::filesystem::path& log) {
    std::vector<std::string> env_text = {"HOME=" + dir_.string(), "XDG_RUNTIME_DIR=" + dir_.string(),
                                         "PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin")};
    std::vector<char*> env, argv;
    for (std::string& e : env_text) env.push_back(e.data());
    env.push_back(nullptr);
    std::vector<std::string> arg_text = args;
    for (std::string& a : arg_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.empty() ? "/dev/null" : input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  // The daemon answers on its socket within ten seconds, or it is not coming.
  bool AwaitSocket() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
      if (daemon_ <= 0 || ::waitpid(daemon_, nullptr, WNOHANG) == daemon_) return false;
      const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::strncpy(address.sun_path, socket_.c_str(), sizeof address.sun_path - 1);
      const bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
      ::close(fd);
      if (up) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  // Ends a process this fixture started: asked first, then made to.
  static void End(pid_t& pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
      if (::waitpid(pid, nullptr, WNOHANG) == pid) {
        pid = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
  }

  std::filesystem::path dir_;
  std::filesystem::path socket_;
  pid_t daemon_ = -1;
  pid_t keep_awake_ = -1;
};

}  // namespace ks::testing
