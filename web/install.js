// What makes the page an installed app: the service worker that lets it start without the
// network, and the tracks the system hands over when the user opens them with the installed page.
export function installApp(openHandles) {
  // Registered once the page is ready, so that a new build's worker never takes over while this
  // page is still fetching the files of the old one.
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
  if ("launchQueue" in window) {
    window.launchQueue.setConsumer((launch) => {
      if (launch.files && launch.files.length > 0) openHandles(launch.files);
    });
  }
}
